// A drawing surface that writes an SVG document: lines and outlines on the pixel grid as the
// window draws them, texts in UTF-8 in the project's font family with a monospace fallback,
// measured with the fixed-pitch estimate so that every text fits where it will on screen.
#pragma once

#include <string>

#include "editor/draw_surface.h"

namespace varno {

class CSvgSurface final : public IDrawSurface {
public:
    // A document of width x height user units shown at displayWidth x displayHeight (SVG
    // lengths such as "210mm"; empty: the user units as pixels).
    CSvgSurface(int width, int height, std::string displayWidth = {},
                std::string displayHeight = {});

    int TextWidth(const CFontDesc& font, std::string_view text) override {
        return measure_.TextWidth(font, text);
    }
    int TextHeight(const CFontDesc& font) override { return measure_.TextHeight(font); }
    void SetOrigin(int x, int y) override;
    void SetPen(const CPen& pen) override { pen_ = pen; }
    void SetBrush(Color color) override { brush_ = color; }
    void SetFont(const CFontDesc& font) override { font_ = font; }
    void SetTextColor(Color color) override { textColor_ = color; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const CRect& rect) override;
    void Ellipse(const CRect& rect) override;
    void FillRect(const CRect& rect, Color color) override;
    void DrawText(std::string_view text, const CRect& rect, unsigned flags) override;
    void SetClip(const CRect& rect) override;
    void ResetClip() override;

    // The complete document.
    std::string Finish();

private:
    std::string Stroke() const;
    std::string FontAttributes() const;

    CFixedPitchMeasure measure_;
    std::string body_;
    std::string header_;
    CPoint origin_;
    CPoint at_;
    CPen pen_;
    Color brush_ = COLOR_WINDOW;
    Color textColor_ = COLOR_BLACK;
    CFontDesc font_;
    int clips_ = 0;
    bool clipOpen_ = false;
};

// "#rrggbb" of a 0xBBGGRR colour.
std::string SvgColor(Color color);
// The text with &, <, > and quotes escaped for XML.
std::string XmlEscape(std::string_view text);

}  // namespace varno
