// CViewScroll: the ladder window's scrolling, without the window. The window gives its client
// size and forwards every scroll request (bars, wheel, keys) to ScrollBy; the view keeps the
// sizes up to date and scrolls the caret into view with EnsureVisible. Positions are logical
// units: the logical point at the client's top-left corner.
#pragma once

#include "editor/draw_surface.h"

namespace varno {

struct CSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const CSize&) const = default;
};

class CViewScroll {
public:
    void SetClientSize(int width, int height);
    CSize ClientSize() const { return client_; }
    // Total, page and line sizes of the scroll bars.
    void SetSizes(CSize total, CSize page, CSize line);
    CSize Total() const { return total_; }
    CSize Page() const { return page_; }
    CSize Line() const { return line_; }
    CPoint Position() const { return position_; }
    // The largest position: total - client, 0 when everything fits (no scroll bar then).
    CSize Limit() const;
    // The client area in logical units.
    CRect Visible() const;

    // Moves to the position, clamped into 0..Limit. Returns the distance actually moved.
    CPoint ScrollTo(int x, int y);
    // A scroll request by (dx, dy), snapped to whole cells: a new x below half a line goes to
    // 0, above Limit - half a line to Limit, otherwise to the nearest multiple of the line
    // size (y likewise). A direction without a scroll bar does not move. Returns the distance
    // moved, (0, 0) when nothing changed.
    CPoint SnapScrollBy(int dx, int dy);
    // Scrolls so that the rectangle (logical) comes into view: a rectangle right of or below the
    // visible area ends at its right or bottom edge, one left of it starts `leftMargin` right of
    // the left edge, one above it at the top edge. Returns the distance moved.
    CPoint EnsureVisible(const CRect& rect, int leftMargin);

private:
    static int Snap(long long wanted, int limit, int line);

    CSize client_;
    CSize total_;
    CSize page_;
    CSize line_{1, 1};
    CPoint position_;
};

}  // namespace varno
