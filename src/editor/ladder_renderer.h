// CLadderRenderer: the picture of a ladder, for the window and for printed pages. It holds the
// display settings and the layout made from them (the ladder font, the x of the left rail, the
// ladder width) and draws rows, cells, comments, grid and rails onto a drawing surface.
//
// Geometry, in logical units with the ladder's origin at (originX, 0): a cell is W x H (the
// settings' WIDTH and HEIGHT), rung lines run L = 3H/8 + H/8 below a row's top, an element row
// is one display row high, a comment row max(1, (lines + 1) / 2). The left rail runs at
// originX - 1, the right rail at originX + 8W + 1; row numbers sit between the 20-pixel margin
// strip and the left rail; comments of coils and subprogram calls right of the right rail.
#pragma once

#include <string>
#include <vector>

#include "comments/comment_list.h"
#include "editor/draw_surface.h"
#include "model/ladder.h"
#include "project/varno_app.h"
#include "project/version_array.h"

namespace varno {

inline constexpr int LEFT_MARGIN = 20;  // the strip at the window's left edge that never scrolls

class CLadderRenderer {
public:
    CLadderRenderer();

    // The settings take effect at the next RecalcLayout.
    void SetDisplay(const CDisplaySettings& display) { display_ = display; }
    const CDisplaySettings& Display() const { return display_; }
    // Rebuilds the ladder font from the settings' font record and measures the row-number
    // column with `measure`; gives the ladder its cell size and its origin (originX, 0).
    void RecalcLayout(CLadder& ladder, ITextMeasure& measure);

    const CFontDesc& LadderFont() const { return ladderFont_; }
    int OriginX() const { return originX_; }
    int LeftMargin() const { return LEFT_MARGIN; }
    int LadderWidth() const { return ladderWidth_; }
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    int LineLevel() const { return cellHeight_ * 3 / 8 + cellHeight_ / 8; }
    // Rows a row reaches down for clipping and pagination: its tallest block (element row),
    // its display height (comment row).
    static int GroupHeight(const CLDRow& row);

    // The window: background, grid, rails, the rows meeting `visible` (logical units), the
    // margin strip at its left edge. The selection is highlighted when given.
    void PaintWindow(IDrawSurface& surface, const CLadder& ladder, const CCommentList& comments,
                     const CRect& visible, const CSelect* selection);
    // Width of the widest comment right of the rail (0 without any), for a picture of the
    // whole program.
    int RightCommentWidth(const CLadder& ladder, const CCommentList& comments,
                          ITextMeasure& measure) const;

    // --- Printing: pages of the band rectangle, rows [pageStarts[p], pageStarts[p + 1]) each.
    // The page rectangle in logical units of a printable area of the given printer pixels:
    // printer pixels x 96 / dpi, widened in proportion when the ladder with its rails is wider
    // than that, so that no column is cut off. The printer maps this rectangle onto its
    // printable area (a scale of dpi / 96 when the ladder fits).
    CRect PageRect(int printerWidth, int printerHeight, int dpiX, int dpiY) const;
    // The page less two cell heights at the top and at the bottom.
    CRect BandRect(const CRect& page) const;
    // Page starts (row indexes, the first 0): a page ends before the row whose group would pass
    // the band's bottom, moved up so that no block and no rung joined by vertical wires is cut,
    // unless that rung or block alone fills the page.
    std::vector<int> Paginate(const CLadder& ladder, const CRect& band) const;
    // Page `page` (1-based) of `pageStarts`: header with the version texts, footer with the page
    // number, the page's rows in the band without highlight and right-side comments.
    void PrintPage(IDrawSurface& surface, const CLadder& ladder, const CCommentList& comments,
                   const CVersionArray& versions, const std::vector<int>& pageStarts, int page,
                   const CRect& pageRect);
    // "%s %s %s" of the first three version items, text 1 or text 2 by SHOW_COMMENT2.
    std::string HeaderText(const CVersionArray& versions) const;
    // "Page:%d(total %d pages)" in the current edition.
    static std::string FooterText(int page, int count);

private:
    struct CRowsPass {
        const CLadder& ladder;
        const CCommentList& comments;
        CRect area;                // what is visible (window) or the band (page)
        const CSelect* selection;  // null when printing
        bool printing;
    };
    // The first row whose group reaches the area's top, found from the layout's display
    // starts without walking the rows above.
    static int FirstRowReaching(const CLadder& ladder, int top, int cellHeight);
    void DrawRails(IDrawSurface& surface, int top, int bottom) const;
    void DrawGrid(IDrawSurface& surface, const CRect& visible) const;
    // Rows [first, end) from y on; a window pass stops below the area.
    void DrawRows(IDrawSurface& surface, const CRowsPass& pass, int first, int end, int y) const;
    void DrawElementRow(IDrawSurface& surface, const CRowsPass& pass, const CLDRow& row, int index,
                        int x, int y) const;
    void DrawCommentRow(IDrawSurface& surface, const CRowsPass& pass, const CLDRow& row, int index,
                        int x, int y) const;
    std::string RightComment(const CLDRow& row, const CCommentList& comments) const;
    void DrawCell(IDrawSurface& surface, const CLDCell& cell, int x, int y, bool highlighted) const;
    void DrawContact(IDrawSurface& surface, const CLDCell& cell, int x, int y) const;
    void DrawCoil(IDrawSurface& surface, const CLDCell& cell, int x, int y) const;
    void DrawLeads(IDrawSurface& surface, int x, int y) const;
    void DrawSlash(IDrawSurface& surface, int x, int y) const;
    void DrawLabels(IDrawSurface& surface, const CLDCell& cell, int x, int y,
                    const char* letter) const;
    void DrawBlock(IDrawSurface& surface, const CLDCell& cell, int x, int y) const;
    void DrawCodbTable(IDrawSurface& surface, const CLDCell& cell, int x, int left,
                       int bottom) const;
    static void Line(IDrawSurface& surface, int x1, int y1, int x2, int y2);

    CDisplaySettings display_;
    CFontDesc ladderFont_;
    int originX_ = 22;
    int ladderWidth_ = 8 * DEFAULT_CELL_WIDTH + 1;
    int cellWidth_ = DEFAULT_CELL_WIDTH;
    int cellHeight_ = DEFAULT_CELL_HEIGHT;
    // The element comments, read while drawing a pass (symbols below contacts and coils).
    mutable const CCommentList* comments_ = nullptr;
    // The bottom of the area of that pass: a long CODB table stops there.
    mutable long long passBottom_ = 0;
};

}  // namespace varno
