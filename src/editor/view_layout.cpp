// The view's layout, scrolling, focus and caret pixels, painting and printing.
#include <algorithm>

#include "editor/ladder_view.h"

namespace varno {

void CLadderView::RecalcLayout() {
    renderer_.RecalcLayout(Ladder(), measure_ != nullptr ? *measure_ : fixedMeasure_);
}

// --- Scrolling ----------------------------------------------------------------------------

void CLadderView::SetClientSize(int width, int height) {
    scroll_.SetClientSize(width, height);
    UpdateScrollSizes();
}

CCellPos CLadderView::HitTest(int clientX, int clientY) const {
    const CPoint at = scroll_.Position();
    return Ladder().PixelToCell(clientX + at.x, clientY + at.y);
}

bool CLadderView::InLadder(int clientX, int clientY) const {
    const CPoint at = scroll_.Position();
    const long long x = static_cast<long long>(clientX) + at.x;
    const long long y = static_cast<long long>(clientY) + at.y;
    const CRect ladder = Ladder().LadderRect();
    return x >= ladder.left && x < ladder.right && y >= ladder.top && y < ladder.bottom;
}

void CLadderView::UpdateScrollSizes() {
    const CLadder& ladder = Ladder();
    const long long w = ladder.CellWidth();
    const long long h = ladder.CellHeight();
    auto clamp = [](long long v) {
        return static_cast<int>(std::min<long long>(v, 2'000'000'000));
    };
    const CSize client = scroll_.ClientSize();
    if (client.cy > 0) {
        visibleRows_ = static_cast<int>(client.cy / h);
    }
    const CPoint before = scroll_.Position();
    scroll_.SetSizes(CSize{clamp(2 * 8 * w), clamp(ladder.DisplayRowCount() * h)},
                     CSize{clamp(std::max<long long>(client.cx - LEFT_MARGIN, 0) / w * w),
                           clamp(client.cy / h * h)},
                     CSize{clamp(w), clamp(h)});
    const CPoint after = scroll_.Position();
    caretPixel_ =
        CPoint{caretPixel_.x - (after.x - before.x), caretPixel_.y - (after.y - before.y)};
    if (host_ != nullptr) {
        host_->ScrollChanged();
    }
}

bool CLadderView::ScrollBy(int dx, int dy) {
    const CPoint moved = scroll_.SnapScrollBy(dx, dy);
    if (moved == CPoint{}) {
        return false;
    }
    caretPixel_ = CPoint{caretPixel_.x - moved.x, caretPixel_.y - moved.y};
    UpdateCaret();
    if (host_ != nullptr) {
        host_->ScrollChanged();
    }
    Repaint();
    return true;
}

void CLadderView::EnsureVisible(const CRect& rect) {
    const CSize client = scroll_.ClientSize();
    if (client.cx == 0 || client.cy == 0) {
        return;
    }
    if (scroll_.EnsureVisible(rect, LEFT_MARGIN) != CPoint{} && host_ != nullptr) {
        host_->ScrollChanged();
    }
}

// --- Focus and caret ----------------------------------------------------------------------

void CLadderView::SetFocus(bool focused) {
    focused_ = focused;
    UpdateCaret();
}

void CLadderView::UpdateCaret() {
    caretVisible_ = focused_ && caretPixel_.x > LEFT_MARGIN;
    if (host_ != nullptr) {
        host_->CaretChanged();
    }
}

// --- Painting and printing ----------------------------------------------------------------

void CLadderView::Paint(IDrawSurface& surface) {
    const CRect visible = scroll_.Visible();
    surface.SetOrigin(visible.left, visible.top);
    renderer_.PaintWindow(surface, Ladder(), doc_.Project().Comments(), visible, &selection_);
}

int CLadderView::PreparePrinting(int printerWidth, int printerHeight, int dpiX, int dpiY) {
    pageRect_ = renderer_.PageRect(printerWidth, printerHeight, dpiX, dpiY);
    pageStarts_ = renderer_.Paginate(Ladder(), renderer_.BandRect(pageRect_));
    return static_cast<int>(pageStarts_.size());
}

void CLadderView::PrintPage(IDrawSurface& surface, int page, const CVersionArray& versions) {
    renderer_.PrintPage(surface, Ladder(), doc_.Project().Comments(), versions, pageStarts_, page,
                        pageRect_);
}

}  // namespace varno
