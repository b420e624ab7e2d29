#include "editor/view_scroll.h"

#include <algorithm>

namespace varno {

void CViewScroll::SetClientSize(int width, int height) {
    client_ = CSize{std::max(width, 0), std::max(height, 0)};
    ScrollTo(position_.x, position_.y);
}

void CViewScroll::SetSizes(CSize total, CSize page, CSize line) {
    total_ = CSize{std::max(total.cx, 0), std::max(total.cy, 0)};
    page_ = page;
    line_ = CSize{std::max(line.cx, 1), std::max(line.cy, 1)};
    ScrollTo(position_.x, position_.y);
}

CSize CViewScroll::Limit() const {
    return CSize{std::max(total_.cx - client_.cx, 0), std::max(total_.cy - client_.cy, 0)};
}

CRect CViewScroll::Visible() const {
    return CRect{position_.x, position_.y, position_.x + client_.cx, position_.y + client_.cy};
}

CPoint CViewScroll::ScrollTo(int x, int y) {
    const CSize limit = Limit();
    const CPoint old = position_;
    position_ = CPoint{std::clamp(x, 0, limit.cx), std::clamp(y, 0, limit.cy)};
    return CPoint{position_.x - old.x, position_.y - old.y};
}

int CViewScroll::Snap(long long wanted, int limit, int line) {
    const int half = line / 2;
    if (wanted < half) {
        return 0;
    }
    if (wanted > static_cast<long long>(limit) - half) {
        return limit;
    }
    return static_cast<int>((wanted + half) / line * line);
}

CPoint CViewScroll::SnapScrollBy(int dx, int dy) {
    const CSize limit = Limit();
    int x = position_.x;
    int y = position_.y;
    if (limit.cx > 0) {
        x = Snap(static_cast<long long>(x) + dx, limit.cx, line_.cx);
    }
    if (limit.cy > 0) {
        y = Snap(static_cast<long long>(y) + dy, limit.cy, line_.cy);
    }
    return ScrollTo(x, y);
}

CPoint CViewScroll::EnsureVisible(const CRect& rect, int leftMargin) {
    const CRect v = Visible();
    const CRect u{std::min(v.left, rect.left), std::min(v.top, rect.top),
                  std::max(v.right, rect.right), std::max(v.bottom, rect.bottom)};
    int x = position_.x;
    int y = position_.y;
    if (u.left == v.left) {
        if (u.right != v.right) {
            x = u.right - client_.cx;
        }
    } else {
        x = u.left - leftMargin;
    }
    if (u.top == v.top) {
        if (u.bottom != v.bottom) {
            y = u.bottom - client_.cy;
        }
    } else {
        y = u.top;
    }
    return ScrollTo(x, y);
}

}  // namespace varno
