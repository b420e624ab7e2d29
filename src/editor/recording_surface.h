// A drawing surface that keeps every call, for tests and benchmarks: what was drawn, where, in
// which pen, brush, font and text colour. It measures with the fixed-pitch estimate.
#pragma once

#include <string>
#include <vector>

#include "editor/draw_surface.h"

namespace varno {

enum class DrawOp { Origin, Line, Rectangle, Ellipse, Fill, Text, Clip, ResetClip };

struct CDrawCall {
    DrawOp op = DrawOp::Line;
    CRect rect;  // a line runs from (left, top) to (right, bottom)
    std::string text;
    unsigned flags = 0;
    CPen pen;
    Color brush = COLOR_WINDOW;  // the brush of outlines, the colour of a fill
    Color textColor = COLOR_BLACK;
    CFontDesc font;
};

class CRecordingSurface final : public IDrawSurface {
public:
    int TextWidth(const CFontDesc& font, std::string_view text) override {
        return measure_.TextWidth(font, text);
    }
    int TextHeight(const CFontDesc& font) override { return measure_.TextHeight(font); }
    void SetOrigin(int x, int y) override;
    void SetPen(const CPen& pen) override { pen_ = pen; }
    void SetBrush(Color color) override { brush_ = color; }
    void SetFont(const CFontDesc& font) override { font_ = font; }
    void SetTextColor(Color color) override { textColor_ = color; }
    void MoveTo(int x, int y) override { at_ = CPoint{x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(const CRect& rect) override { Add(DrawOp::Rectangle, rect); }
    void Ellipse(const CRect& rect) override { Add(DrawOp::Ellipse, rect); }
    void FillRect(const CRect& rect, Color color) override;
    void DrawText(std::string_view text, const CRect& rect, unsigned flags) override;
    void SetClip(const CRect& rect) override { Add(DrawOp::Clip, rect); }
    void ResetClip() override { Add(DrawOp::ResetClip, CRect{}); }

    const std::vector<CDrawCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // The calls of one kind.
    std::vector<CDrawCall> Of(DrawOp op) const;
    // The text calls whose text is exactly this.
    std::vector<CDrawCall> Texts(std::string_view text) const;
    // Whether a line with exactly these ends (either direction) was drawn.
    bool HasLine(int x1, int y1, int x2, int y2) const;

private:
    CDrawCall& Add(DrawOp op, const CRect& rect);

    CFixedPitchMeasure measure_;
    std::vector<CDrawCall> calls_;
    CPoint at_;
    CPen pen_;
    Color brush_ = COLOR_WINDOW;
    Color textColor_ = COLOR_BLACK;
    CFontDesc font_;
};

}  // namespace varno
