// The view's commands for lines, clearing, undo and the clipboard.
#include "editor/clipboard_block.h"
#include "editor/ladder_view.h"

namespace varno {

// --- Lines --------------------------------------------------------------------------------

void CLadderView::OnLineRight() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    CLDCmd wire;
    wire.kind = LDCMD_HLINE;
    doc_.BeginUndoGroup();
    doc_.PlaceElement(located->row, located->column, CLDCell(wire));
    SetCaret(caretRow_, caretColumn_ + 1, false);
    Notify(HINT_ROWS);
}

void CLadderView::OnLineDown() {
    if (caretColumn_ == 0) {
        return;
    }
    std::optional<CElemInfo> below = Ladder().Locate(caretRow_ + 1, caretColumn_);
    if (!below) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.AddVerticalLine(below->lineRow, below->column);
    OnKeyDown();
    UpdateScrollSizes();
    Notify(HINT_ROWS);
}

void CLadderView::OnDeleteLineDown() {
    if (caretColumn_ == 0) {
        return;
    }
    std::optional<CElemInfo> below = Ladder().Locate(caretRow_ + 1, caretColumn_);
    if (!below) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.RemoveVerticalLine(below->lineRow, below->column);
    Notify(HINT_LAYOUT);
    OnKeyDown();
}

void CLadderView::OnLineUp() {
    if (caretColumn_ == 0 || caretRow_ == 0) {
        return;
    }
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.AddVerticalLine(located->lineRow, located->column);
    OnKeyUp();
    UpdateScrollSizes();
    Notify(HINT_ROWS);
}

void CLadderView::OnDeleteLineUp() {
    if (caretColumn_ == 0 || caretRow_ == 0) {
        return;
    }
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.RemoveVerticalLine(located->lineRow, located->column);
    Notify(HINT_REPAINT);
    OnKeyUp();
}

// --- Clearing -----------------------------------------------------------------------------

void CLadderView::OnBackspace() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.ClearCell(located->row, located->column);
    SetCaret(caretRow_, caretColumn_ - 1, false);
    Notify(HINT_REPAINT);
}

void CLadderView::OnDelete() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located || selection_.IsEmpty()) {
        return;
    }
    doc_.BeginUndoGroup();
    if (selection_.GetCount() == 1) {
        doc_.ClearCell(located->row, located->column);
        if (caretColumn_ < LADDER_WIDTH - 1) {
            SetCaret(caretRow_, caretColumn_ + 1, false);
        } else {
            SetCaret(caretRow_ + 1, 0, false);
        }
    } else {
        const CSelect selected = selection_;
        for (const CElemInfo& info : selected) {
            doc_.ClearCell(info.row, info.column);
            if (info.cell != nullptr) {
                doc_.RemoveVerticalLine(info.row, info.column);
            }
        }
        SetCaret(caretRow_, caretColumn_, false);
    }
    Notify(HINT_REPAINT);
}

// --- Undo ---------------------------------------------------------------------------------

void CLadderView::OnUndo() {
    doc_.Undo();
}

void CLadderView::OnRedo() {
    doc_.Redo();
}

// --- Clipboard ----------------------------------------------------------------------------

bool CLadderView::OnCopy() {
    std::optional<std::vector<std::uint8_t>> block = WriteClipboardBlock(Ladder(), selection_);
    return block && clipboard_.SetData(CLIPBOARD_FORMAT, std::move(*block));
}

void CLadderView::OnCut() {
    // What could not go to the clipboard is not deleted.
    if (OnCopy()) {
        OnDelete();
    }
}

bool CLadderView::CanPaste() const {
    return clipboard_.HasFormat(CLIPBOARD_FORMAT);
}

void CLadderView::OnPaste() {
    std::optional<std::vector<std::uint8_t>> data = clipboard_.GetData(CLIPBOARD_FORMAT);
    if (!data) {
        return;
    }
    selection_.Reset();
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    std::optional<CClipboardBlock> block = ReadClipboardBlock(*data);
    if (!block) {
        return;
    }
    if (LADDER_WIDTH < caretColumn_ + block->columnSpan) {
        doc_.Messages().ShowMessage(IDS_CAPTION_WARNING, IDS_NOT_ENOUGH_SPACE, MbIcon::Information);
        return;
    }
    doc_.BeginUndoGroup();
    if (block->entries.size() > 1) {
        doc_.InsertRows(located->row, nullptr, block->rowSpan);
    }
    for (CClipboardEntry& entry : block->entries) {
        const int row = located->row + (entry.row - block->firstRow);
        const int column = located->column + (entry.column - block->firstColumn);
        CElemInfo target;
        target.row = row;
        target.column = column;
        if (entry.comment) {
            doc_.InsertRows(row, entry.comment.get(), 1);
        } else {
            if (entry.cell->VLine()) {
                doc_.AddVerticalLine(row, column);
            }
            target.cell = PlaceChecked(row, column, *entry.cell);
            if (target.cell == nullptr) {
                continue;
            }
        }
        selection_.Add(target, true);
    }
    Notify(HINT_LAYOUT);
}

}  // namespace varno
