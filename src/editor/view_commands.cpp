// The view's commands that insert rows and place elements: rows and comment rows, contacts,
// coils, functional instructions, properties and element comments.
#include <algorithm>

#include "editor/ladder_view.h"
#include "model/address.h"
#include "model/catalog.h"

namespace varno {

namespace {

// The position of a code in a dialog's type list.
int TypeIndex(std::span<const std::uint8_t> codes, std::uint8_t code) {
    auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? 0 : static_cast<int>(it - codes.begin());
}

bool InAllCategory(int number) {
    std::span<const std::uint16_t> members = Category(0).members;
    return std::find(members.begin(), members.end(), number) != members.end();
}

}  // namespace

CLDCell* CLadderView::PlaceChecked(int row, int column, const CLDCell& element) {
    CLDCell* placed = doc_.PlaceElement(row, column, element);
    if (placed == nullptr) {
        doc_.Messages().ShowMessage(IDS_CAPTION_WARNING, IDS_NOT_ENOUGH_MEMORY,
                                    MbIcon::Information);
    }
    return placed;
}

// --- Rows ---------------------------------------------------------------------------------

void CLadderView::OnInsertComment() {
    std::optional<CElemInfo> located = Ladder().Locate(caretRow_, 0);
    if (!located) {
        return;
    }
    std::optional<std::pair<std::string, std::string>> texts = dialogs_.RunCommentRowDialog(
        doc_.GetCommentText(located->row, 0), doc_.GetCommentText(located->row, 1));
    if (!texts) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.InsertCommentRow(located->groupStart, std::move(texts->first), std::move(texts->second));
    SetCaret(caretRow_, caretColumn_, false);
    Notify(HINT_ROWS);
}

void CLadderView::OnInsertRow() {
    doc_.BeginUndoGroup();
    std::optional<CElemInfo> located = Ladder().Locate(caretRow_, 0);
    doc_.InsertRows(located ? located->groupStart : 0, nullptr, 1);
    SetCaret(caretRow_, caretColumn_, false);
    Notify(HINT_ROWS);
}

void CLadderView::OnInsertRowAfter() {
    doc_.BeginUndoGroup();
    std::optional<CElemInfo> located = Ladder().Locate(caretRow_, 0);
    doc_.InsertRows(located ? located->groupEnd : 0, nullptr, 1);
    SetCaret(caretRow_, caretColumn_, false);
    Notify(HINT_ROWS);
}

void CLadderView::OnDeleteRow() {
    if (!Ladder().Locate(caretRow_, 0)) {
        return;
    }
    doc_.BeginUndoGroup();
    const int first = selection_.MinRow();
    doc_.DeleteRows(first, selection_.BoxHeight());
    // The caret is put there directly; the update below makes it valid again.
    caretRow_ = Ladder().DisplayRowOf(first);
    caretColumn_ = 0;
    Notify(HINT_ROWS);
}

// --- Contacts and coils -------------------------------------------------------------------

void CLadderView::OnContact() {
    if (std::optional<CElemInfo> located = LocateCaret(); located && located->cell != nullptr) {
        RunElementCommand(ElementClass::Contact, *located);
    }
}

void CLadderView::OnCoil() {
    if (std::optional<CElemInfo> located = LocateCaret(); located && located->cell != nullptr) {
        RunElementCommand(ElementClass::Coil, *located);
    }
}

void CLadderView::RunElementCommand(ElementClass cls, const CElemInfo& located) {
    const bool contact = cls == ElementClass::Contact;
    const CLDCell& cell = *located.cell;
    CElementDialogData data;
    data.typeIndex = 0;
    if (contact ? cell.IsContact() : cell.IsCoil()) {
        data.typeIndex =
            contact ? TypeIndex(CONTACT_CODES, cell.Code()) : TypeIndex(COIL_CODES, cell.Code());
        data.address = FormatAddress(cell.Address(), true);
    }
    const CCommentList& comments = doc_.Project().Comments();
    IMessageService& messages = doc_.Messages();
    std::optional<CElementChoice> choice =
        dialogs_.RunElementDialog(cls, data, [&](CElementDialogData& values) {
            return CheckElementDialog(cls, values, comments, messages);
        });
    if (!choice) {
        return;
    }
    const LDADDR& a = choice->address;
    const CLDCell element(CLDCmd::Basic(choice->code, a.letter, a.number, a.bit));
    doc_.BeginUndoGroup();
    if (contact) {
        doc_.PlaceElement(located.row, located.column, element);
        SetCaret(caretRow_, caretColumn_ + 1, false);
    } else {
        doc_.DrawLineRight(located.row, located.column, LADDER_WIDTH - 1);
        doc_.PlaceElement(located.row, LADDER_WIDTH - 1, element);
        SetCaret(caretRow_ + 1, 0, false);
    }
    Notify(HINT_ROWS);
}

// --- Functional instructions --------------------------------------------------------------

void CLadderView::OnFunction() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located || located->cell == nullptr) {
        return;
    }
    const CLDCell& cell = *located->cell;
    const int preselected = cell.IsFunc() && InAllCategory(cell.Code()) ? cell.Code() : 0;
    std::optional<int> number = dialogs_.RunFunctionDialog(preselected);
    if (number && *number != 0) {
        PlaceFunction(*located, *number);
    }
}

void CLadderView::OnFunctionBox(int number) {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located || located->cell == nullptr) {
        return;
    }
    if (number != 0) {
        PlaceFunction(*located, number);
    } else {
        OnFunction();
    }
}

void CLadderView::PlaceFunction(const CElemInfo& located, int number) {
    if (located.cell == nullptr) {
        return;
    }
    const CLDCell& old = *located.cell;
    if (number == -1) {
        if (!old.IsFunc()) {
            return;
        }
        number = old.Code();
    }
    if (FuncDescriptor(number) == nullptr) {
        return;
    }
    COperandTable table(number);
    if (old.IsFunc() && old.Code() == number) {
        table.Load(old.Operands());
    }
    const int oldHeight = FuncHeight(old);
    if (FuncOperandCount(number) != 0 && !dialogs_.RunOperandDialog(table)) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.ClearCell(located.row, located.column);
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = static_cast<std::uint8_t>(number);
    CLDCell block(head);
    {
        CDetachedCellEdits detached;
        block.SetOperands(table.Operands());
    }
    const int newHeight = FuncHeight(block);
    if (oldHeight < newHeight) {
        doc_.InsertRows(located.groupEnd, nullptr, newHeight - oldHeight);
    }
    PlaceChecked(located.row, located.column, block);
    if (FuncOutputCount(number) == 0) {
        doc_.DrawLineRight(located.row, located.column + FuncWidth(block), LADDER_WIDTH - 1);
    }
    Notify(HINT_ROWS);
}

// --- Property and element comments -----------------------------------------------------------

void CLadderView::OnProperty() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    if (const CLDCell* cell = located->cell) {
        if (cell->IsCoil()) {
            OnCoil();
        } else if (cell->IsFunc()) {
            PlaceFunction(*located, -1);
        } else if (cell->IsContact()) {
            OnContact();
        }
        return;
    }
    std::optional<std::pair<std::string, std::string>> texts = dialogs_.RunCommentRowDialog(
        doc_.GetCommentText(located->row, 0), doc_.GetCommentText(located->row, 1));
    if (!texts) {
        return;
    }
    doc_.BeginUndoGroup();
    doc_.DeleteRow(located->row);
    doc_.InsertCommentRow(located->row, std::move(texts->first), std::move(texts->second));
    SetCaret(caretRow_, caretColumn_, false);
    Notify(HINT_ROWS);
    doc_.Project().RefreshProjectViews();
}

void CLadderView::OnElemComment() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located || located->cell == nullptr || located->cell->Kind() != LDCMD_BASIC) {
        return;
    }
    const LDADDR address = located->cell->Address();
    CCommentList& comments = doc_.Project().Comments();
    CElemCommentData data{FormatAddress(address, true), comments.SymbolOf(address),
                          comments.CommentOf(address, 0), comments.CommentOf(address, 1)};
    IMessageService& messages = doc_.Messages();
    if (!dialogs_.RunElemCommentDialog(data, [&](const CElemCommentData& values) {
            return CheckElemCommentDialog(values, messages);
        })) {
        return;
    }
    comments.SetComment(address, data.symbol, data.comment1, data.comment2);
    Notify(HINT_LAYOUT);
}

}  // namespace varno
