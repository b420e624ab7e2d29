#include "editor/recording_surface.h"

namespace varno {

CDrawCall& CRecordingSurface::Add(DrawOp op, const CRect& rect) {
    CDrawCall& call = calls_.emplace_back();
    call.op = op;
    call.rect = rect;
    call.pen = pen_;
    call.brush = brush_;
    call.textColor = textColor_;
    call.font = font_;
    return call;
}

void CRecordingSurface::SetOrigin(int x, int y) {
    Add(DrawOp::Origin, CRect{x, y, x, y});
}

void CRecordingSurface::LineTo(int x, int y) {
    Add(DrawOp::Line, CRect{at_.x, at_.y, x, y});
    at_ = CPoint{x, y};
}

void CRecordingSurface::FillRect(const CRect& rect, Color color) {
    Add(DrawOp::Fill, rect).brush = color;
}

void CRecordingSurface::DrawText(std::string_view text, const CRect& rect, unsigned flags) {
    CDrawCall& call = Add(DrawOp::Text, rect);
    call.text = std::string(text);
    call.flags = flags;
}

std::vector<CDrawCall> CRecordingSurface::Of(DrawOp op) const {
    std::vector<CDrawCall> found;
    for (const CDrawCall& call : calls_) {
        if (call.op == op) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<CDrawCall> CRecordingSurface::Texts(std::string_view text) const {
    std::vector<CDrawCall> found;
    for (const CDrawCall& call : calls_) {
        if (call.op == DrawOp::Text && call.text == text) {
            found.push_back(call);
        }
    }
    return found;
}

bool CRecordingSurface::HasLine(int x1, int y1, int x2, int y2) const {
    for (const CDrawCall& call : calls_) {
        if (call.op != DrawOp::Line) {
            continue;
        }
        const CRect& r = call.rect;
        if ((r == CRect{x1, y1, x2, y2}) || (r == CRect{x2, y2, x1, y1})) {
            return true;
        }
    }
    return false;
}

}  // namespace varno
