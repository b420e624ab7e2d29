// The drawing surface the ladder is painted and printed on, without any toolkit: the window's
// off-screen image, a printer page, an SVG file or a recording for tests implement it.
//
// Coordinates are logical units (screen pixels); SetOrigin says which logical point lands on
// the device's top-left corner, so the window scrolls by moving the origin. Colours are
// 0xBBGGRR (red in the lowest byte). Texts are GBK bytes, as the model holds them; a surface
// converts them at its edge. Measurement belongs to the surface, so that every surface measures
// with the fonts it really draws with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/rect.h"
#include "project/font_record.h"

namespace varno {

using Color = std::uint32_t;  // 0xBBGGRR

inline constexpr Color COLOR_BLACK = 0x000000;
inline constexpr Color COLOR_WINDOW = 0xFFFFFF;       // the system window colour
inline constexpr Color COLOR_BUTTON_FACE = 0xF0F0F0;  // the system button-face colour
inline constexpr Color COLOR_COMMENT = 0x009000;
inline constexpr Color COLOR_HIGHLIGHT = 0xE0E0E0;
inline constexpr Color COLOR_COMMENT_ROW = 0xF8F8F8;

inline constexpr int ColorRed(Color c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int ColorGreen(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int ColorBlue(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};

enum class PenStyle { Solid, Dot };

struct CPen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color = COLOR_BLACK;
    bool operator==(const CPen&) const = default;
};

// A font as the project describes it (the 60-byte record): the face (GBK), the height in
// logical units (negative: the character height; positive: the cell height including the
// internal leading), the weight (0 or 400 normal, 700 bold) and the style flags.
struct CFontDesc {
    std::string face;
    int height = -18;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // From the project's record; a record without a face is the default "Courier New" -18.
    static CFontDesc FromLogFont(const CLogFont& record);
    // The character height in logical units (the em size a toolkit asks for).
    int PixelSize() const;
    bool operator==(const CFontDesc&) const = default;
};

// Alignment flags of DrawText; horizontal and vertical ones combine with |.
enum TextFlags : unsigned {
    TEXT_LEFT = 0x00,
    TEXT_CENTER = 0x01,
    TEXT_TOP = 0x00,
    TEXT_VCENTER = 0x04,
    TEXT_BOTTOM = 0x08,
    TEXT_SINGLELINE = 0x20,
    TEXT_NOCLIP = 0x100,  // the text may run outside its rectangle
};

class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    // Width of the text (GBK) drawn in the font.
    virtual int TextWidth(const CFontDesc& font, std::string_view text) = 0;
    // Height of the text "X" in the font: one text line.
    virtual int TextHeight(const CFontDesc& font) = 0;
};

// A fixed-pitch estimate for surfaces without font metrics: every byte is 0.6 em wide (a
// double-byte character two of them, which holds its glyph), rounded up, and a line is 1.15 em.
class CFixedPitchMeasure final : public ITextMeasure {
public:
    int TextWidth(const CFontDesc& font, std::string_view text) override;
    int TextHeight(const CFontDesc& font) override;
    static int CharWidth(const CFontDesc& font);
};

class IDrawSurface : public ITextMeasure {
public:
    // The logical point drawn at the device's top-left corner.
    virtual void SetOrigin(int x, int y) = 0;
    // Lines and outlines use the pen, Rectangle and Ellipse fill with the brush.
    virtual void SetPen(const CPen& pen) = 0;
    virtual void SetBrush(Color color) = 0;
    virtual void SetFont(const CFontDesc& font) = 0;
    virtual void SetTextColor(Color color) = 0;
    // A line from the current position to the point, the point itself excluded; the point
    // becomes the current position.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outline inside the rectangle (right and bottom exclusive), interior in the brush.
    virtual void Rectangle(const CRect& rect) = 0;
    virtual void Ellipse(const CRect& rect) = 0;
    virtual void FillRect(const CRect& rect, Color color) = 0;
    // One line of text (GBK) in the current font and text colour, placed in the rectangle by
    // the flags, on a transparent background. Clipped to the rectangle unless TEXT_NOCLIP.
    virtual void DrawText(std::string_view text, const CRect& rect, unsigned flags) = 0;
    // Later drawing stays inside the rectangle (logical units) until ResetClip.
    virtual void SetClip(const CRect& rect) = 0;
    virtual void ResetClip() = 0;
};

}  // namespace varno
