// The view's caret, selection, update hints, caret keys and mouse.
#include "editor/ladder_view.h"

#include <algorithm>

#include "model/address.h"
#include "platform/codepage.h"

namespace varno {

CLadderView::CLadderView(CLadderDoc& doc, IEditorDialogs& dialogs, IClipboard& clipboard,
                         ILadderViewHost* host)
    : doc_(doc), dialogs_(dialogs), clipboard_(clipboard), host_(host) {
    doc_.AddView(this);
}

CLadderView::~CLadderView() {
    doc_.RemoveView(this);
}

std::optional<CElemInfo> CLadderView::LocateCaret() const {
    return Ladder().Locate(caretRow_, caretColumn_);
}

void CLadderView::Notify(int hint) {
    doc_.UpdateAllViews(hint);
}

void CLadderView::Repaint() {
    if (host_ != nullptr) {
        host_->Repaint();
    }
}

// --- Updates ------------------------------------------------------------------------------

void CLadderView::OnUpdate(int hint) {
    if (hint == HINT_LAYOUT) {
        RecalcLayout();
        UpdateCaret();
        UpdateScrollSizes();
        if (!SetCaret(caretRow_, caretColumn_, false)) {
            selection_.Reset();
        }
    } else if (hint == HINT_ROWS) {
        UpdateScrollSizes();
        if (caretRow_ >= Ladder().DisplayRowCount()) {
            --caretRow_;
        }
        if (!SetCaret(caretRow_, caretColumn_, false)) {
            selection_.Reset();
        }
    }
    Repaint();
}

// --- Caret and selection ------------------------------------------------------------------

bool CLadderView::SetCaret(int displayRow, int column, bool extend) {
    barText_.clear();
    std::optional<CElemInfo> located = Ladder().Locate(displayRow, column);
    if (!located) {
        return false;
    }
    if (const CLDCell* cell = located->cell; cell != nullptr && cell->Kind() == LDCMD_BASIC) {
        const std::string address = FormatAddress(cell->Address(), true);
        if (!address.empty()) {
            const CCommentList& comments = doc_.Project().Comments();
            barText_ = Format(LoadString(IDS_LADDER_BAR_TEXT).c_str(), address.c_str(),
                              comments.SymbolOf(cell->Address()).c_str(),
                              comments.CommentOf(cell->Address(), 0).c_str(),
                              comments.CommentOf(cell->Address(), 1).c_str());
        }
    }
    selection_.Add(*located, extend);
    caretRow_ = displayRow;
    caretColumn_ = column;
    if (std::optional<CRect> rect = Ladder().CellRect(displayRow, column)) {
        EnsureVisible(*rect);
        const CPoint at = scroll_.Position();
        caretPixel_ = CPoint{rect->left - at.x, rect->top - at.y};
    }
    UpdateCaret();
    return true;
}

std::string CLadderView::StatusText() const {
    return Format(LoadString(IDS_CARET_POSITION).c_str(), caretRow_, caretColumn_);
}

std::optional<LadderPopup> CLadderView::ContextPopup() const {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return std::nullopt;
    }
    if (located->cell == nullptr) {
        return LadderPopup::Comment;
    }
    switch (located->cell->Kind()) {
        case LDCMD_BASIC:
            return LadderPopup::Base;
        case LDCMD_FUNC:
            return LadderPopup::Func;
        default:
            return LadderPopup::Null;
    }
}

// --- Keys ---------------------------------------------------------------------------------

void CLadderView::OnKeyRight() {
    if (caretColumn_ <= LADDER_WIDTH - 2) {
        SetCaret(caretRow_, caretColumn_ + 1, false);
    }
    Repaint();
}

void CLadderView::OnKeyLeft() {
    if (caretColumn_ > 0) {
        SetCaret(caretRow_, caretColumn_ - 1, false);
    }
    Repaint();
}

void CLadderView::OnKeyDown() {
    if (caretRow_ < Ladder().DisplayRowCount()) {
        SetCaret(caretRow_ + 1, caretColumn_, false);
    }
    Repaint();
}

void CLadderView::OnKeyUp() {
    if (caretRow_ > 0) {
        SetCaret(caretRow_ - 1, caretColumn_, false);
    }
    Repaint();
}

void CLadderView::OnPageDown() {
    const long long target = static_cast<long long>(caretRow_) + visibleRows_;
    SetCaret(static_cast<int>(std::min<long long>(Ladder().DisplayRowCount() - 1, target)),
             caretColumn_, false);
    Repaint();
}

void CLadderView::OnPageUp() {
    const long long target = static_cast<long long>(caretRow_) - visibleRows_;
    SetCaret(static_cast<int>(std::max<long long>(0, target)), caretColumn_, false);
    Repaint();
}

void CLadderView::OnCtrlHome() {
    SetCaret(0, 0, false);
    Repaint();
}

void CLadderView::OnCtrlEnd() {
    SetCaret(Ladder().DisplayRowOf(std::max(Ladder().RowCount() - 1, 0)), 0, false);
    Repaint();
}

// --- Mouse --------------------------------------------------------------------------------

void CLadderView::OnLeftButtonDown(CCellPos cell) {
    dragStart_ = cell;
    dragging_ = true;
}

void CLadderView::OnLeftButtonUp(CCellPos cell) {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    SelectRegion(dragStart_, cell);
    Repaint();
}

void CLadderView::SelectRegion(CCellPos from, CCellPos to) {
    const CLadder& ladder = Ladder();
    const int r1 = std::min(from.row, to.row);
    const int r2 = std::max(from.row, to.row);
    const int c1 = std::min(from.column, to.column);
    const int c2 = std::max(from.column, to.column);
    selection_.Reset();
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c) {
            std::optional<CElemInfo> located = ladder.Locate(r, c);
            if (!located) {
                continue;
            }
            selection_.Add(*located, true);
            if (located->cell == nullptr || !located->cell->IsFunc()) {
                continue;
            }
            // The lines feeding the block's inputs go with it.
            for (int i = located->groupStart; i < located->groupEnd; ++i) {
                CElemInfo line = *located;
                if (ladder.LocateRow(i, c, line) && line.cell != nullptr && line.cell->VLine()) {
                    selection_.Add(line, true);
                }
            }
        }
    }
    SetCaret(to.row, to.column, true);
}

void CLadderView::OnRightButtonDown(CCellPos cell) {
    SetCaret(cell.row, cell.column, selection_.GetCount() > 1);
    Repaint();
}

}  // namespace varno
