// The layout, the window's picture and the rows pass shared by the window and the pages.
#include "editor/ladder_renderer.h"

#include <algorithm>

#include "model/address.h"
#include "model/catalog.h"
#include "platform/codepage.h"

namespace varno {

namespace {

constexpr CPen RAIL_PEN{PenStyle::Solid, 2, COLOR_BLACK};

int ClampInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -1'000'000'000, 1'000'000'000));
}

}  // namespace

CLadderRenderer::CLadderRenderer() : ladderFont_(CFontDesc::FromLogFont(CLogFont())) {}

int CLadderRenderer::GroupHeight(const CLDRow& row) {
    return row.IsComment() ? row.DisplayHeight() : row.Extent();
}

void CLadderRenderer::RecalcLayout(CLadder& ladder, ITextMeasure& measure) {
    ladderFont_ = CFontDesc::FromLogFont(display_.font);
    ladder.SetCellSize(display_.cellWidth, display_.cellHeight);
    cellWidth_ = ladder.CellWidth();
    cellHeight_ = ladder.CellHeight();
    originX_ = 22;
    if (display_.showLineNo != 0) {
        originX_ += measure.TextWidth(ladderFont_, "00000");
    }
    ladderWidth_ = ClampInt(8LL * cellWidth_ + 1);
    ladder.SetOrigin(originX_, 0);
}

void CLadderRenderer::Line(IDrawSurface& surface, int x1, int y1, int x2, int y2) {
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

// --- The window ---------------------------------------------------------------------------

int CLadderRenderer::FirstRowReaching(const CLadder& ladder, int top, int cellHeight) {
    const int rows = ladder.RowCount();
    const int displayRow = std::max(top, 0) / cellHeight;
    if (displayRow >= ladder.DisplayRowCount()) {
        return rows;
    }
    // A block above reaches down into the area with its head row: locating the top display
    // row in every column answers the head rows of the blocks covering it.
    int first = rows;
    for (int column = 0; column < LADDER_WIDTH; ++column) {
        if (std::optional<CElemInfo> at = ladder.Locate(displayRow, column)) {
            first = std::min(first, at->row);
        }
    }
    return first;
}

void CLadderRenderer::DrawGrid(IDrawSurface& surface, const CRect& visible) const {
    surface.SetPen(CPen{PenStyle::Solid, 1, display_.gridColor});
    const int level = LineLevel();
    // The first j whose cross lies inside the visible area.
    long long j = (static_cast<long long>(visible.top) - level) / cellHeight_;
    if (j < 0) {
        j = 0;
    }
    for (;; ++j) {
        const long long y = level + j * cellHeight_;
        if (y >= visible.bottom) {
            break;
        }
        if (y < visible.top) {
            continue;
        }
        for (int k = 0; k <= LADDER_WIDTH; ++k) {
            const int x = ClampInt(originX_ + static_cast<long long>(k) * cellWidth_);
            const int yi = static_cast<int>(y);
            Line(surface, x - 3, yi, x + 4, yi);
            Line(surface, x, yi - 3, x, yi + 4);
        }
    }
}

void CLadderRenderer::DrawRails(IDrawSurface& surface, int top, int bottom) const {
    surface.SetPen(RAIL_PEN);
    const int right = ClampInt(originX_ + 8LL * cellWidth_ + 1);
    Line(surface, originX_ - 1, top, originX_ - 1, bottom);
    Line(surface, right, top, right, bottom);
}

void CLadderRenderer::PaintWindow(IDrawSurface& surface, const CLadder& ladder,
                                  const CCommentList& comments, const CRect& visible,
                                  const CSelect* selection) {
    surface.FillRect(visible, COLOR_WINDOW);
    if (display_.showGrid != 0) {
        DrawGrid(surface, visible);
    }
    surface.SetFont(ladderFont_);
    const CRowsPass pass{ladder, comments, visible, selection, false};
    DrawRails(surface, visible.top, visible.bottom);
    const int first = FirstRowReaching(ladder, visible.top, cellHeight_);
    const long long y = static_cast<long long>(ladder.DisplayRowOf(first)) * cellHeight_;
    DrawRows(surface, pass, first, ladder.RowCount(), ClampInt(y));
    surface.FillRect(CRect{visible.left, visible.top, visible.left + LEFT_MARGIN, visible.bottom},
                     COLOR_BUTTON_FACE);
}

int CLadderRenderer::RightCommentWidth(const CLadder& ladder, const CCommentList& comments,
                                       ITextMeasure& measure) const {
    int widest = 0;
    for (const CLDRow& row : ladder) {
        const std::string text = RightComment(row, comments);
        if (!text.empty()) {
            widest = std::max(widest, measure.TextWidth(ladderFont_, text));
        }
    }
    return widest;
}

// --- Rows ---------------------------------------------------------------------------------

void CLadderRenderer::DrawRows(IDrawSurface& surface, const CRowsPass& pass, int first, int end,
                               int y) const {
    comments_ = &pass.comments;
    passBottom_ = pass.area.bottom;
    const long long h = cellHeight_;
    long long top = y;
    for (int i = std::max(first, 0); i < end; ++i) {
        if (!pass.printing && top - h > pass.area.bottom) {
            break;
        }
        const CLDRow* row = pass.ladder.GetRow(i);
        if (row == nullptr) {
            break;
        }
        const int rowTop = ClampInt(top);
        if (top + GroupHeight(*row) * h >= pass.area.top) {
            if (display_.showLineNo != 0) {
                surface.SetTextColor(COLOR_BLACK);
                surface.DrawText(Format("%04d", i),
                                 CRect{LEFT_MARGIN, rowTop, originX_, ClampInt(top + h)},
                                 TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE);
            }
            if (row->IsComment()) {
                DrawCommentRow(surface, pass, *row, i, originX_, rowTop);
            } else {
                DrawElementRow(surface, pass, *row, i, originX_, rowTop);
            }
        }
        top += row->DisplayHeight() * h;
    }
    comments_ = nullptr;
}

void CLadderRenderer::DrawElementRow(IDrawSurface& surface, const CRowsPass& pass,
                                     const CLDRow& row, int index, int x, int y) const {
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const bool highlighted = pass.selection != nullptr && pass.selection->Contains(index, c);
        DrawCell(surface, *row.Cell(c), x + c * cellWidth_, y, highlighted);
    }
    if (pass.printing) {
        return;
    }
    const std::string text = RightComment(row, pass.comments);
    if (!text.empty()) {
        surface.SetTextColor(COLOR_COMMENT);
        const int left = ClampInt(x + 8LL * cellWidth_ + 4);
        surface.DrawText(text, CRect{left, y, std::max(left, pass.area.right), y + cellHeight_},
                         TEXT_LEFT | TEXT_VCENTER | TEXT_SINGLELINE);
    }
}

std::string CLadderRenderer::RightComment(const CLDRow& row, const CCommentList& comments) const {
    if (row.IsComment()) {
        return {};
    }
    const int which = display_.showComment2 != 0 ? 1 : 0;
    // A subprogram call or a subprogram's head names the program; that comment wins.
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const CLDCell& cell = *row.Cell(c);
        if (!cell.IsFunc() ||
            (cell.Code() != FUNC_CALL && cell.Code() != FUNC_CALLU && cell.Code() != FUNC_SP)) {
            continue;
        }
        const CLDCmd* operand = cell.Operand(0);
        if (operand == nullptr) {
            continue;
        }
        const LDADDR address = operand->Address();
        return comments.CommentOf(LDADDR{address.letter, -1, address.number}, which);
    }
    const CLDCell& last = *row.Cell(LADDER_WIDTH - 1);
    if (last.IsCoil()) {
        return comments.CommentOf(last.Address(), which);
    }
    return {};
}

void CLadderRenderer::DrawCommentRow(IDrawSurface& surface, const CRowsPass& pass,
                                     const CLDRow& row, int index, int x, int y) const {
    const CRect rect{x, y + 1, ClampInt(x + 8LL * cellWidth_),
                     ClampInt(y + static_cast<long long>(row.DisplayHeight()) * cellHeight_ - 1)};
    if (pass.printing) {
        surface.FillRect(rect, COLOR_COMMENT_ROW);
        surface.SetTextColor(COLOR_BLACK);
    } else {
        const bool selected = pass.selection != nullptr && pass.selection->Contains(index, 0);
        surface.FillRect(rect, selected ? COLOR_HIGHLIGHT : COLOR_COMMENT_ROW);
        surface.SetTextColor(COLOR_COMMENT);
    }
    const std::string& text = row.Comment(display_.showComment2 != 0 ? 2 : 1);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(std::string_view(text).substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    const int band = rect.Height() / static_cast<int>(lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int top = rect.top + static_cast<int>(k) * band;
        std::string_view line = lines[k];
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        surface.DrawText(line, CRect{rect.left, top, rect.right, top + band},
                         TEXT_LEFT | TEXT_VCENTER | TEXT_SINGLELINE);
    }
}

}  // namespace varno
