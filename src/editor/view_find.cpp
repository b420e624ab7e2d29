// Find, Repeat and Edit Batch. Every search and the whole-ladder batch walk the rows once, so
// that they stay linear in the length of the ladder.
#include <algorithm>

#include "editor/find_key.h"
#include "editor/ladder_view.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/codepage.h"

namespace varno {

namespace {

// The text the find dialog opens with for the element at the caret.
std::string FindPrefill(const CElemInfo& located, int caretColumn) {
    const CLDCell* cell = located.cell;
    if (cell == nullptr) {
        return {};
    }
    if (cell->IsFunc()) {
        const int operand = located.lineRow - located.row;
        if (caretColumn - located.column == 2 && operand < FuncOperandCount(cell->Code())) {
            if (const CLDCmd* record = cell->Operand(operand)) {
                return FormatOperand(*record, false);
            }
        }
        return MbTrim(Mnemonic(cell->Element()));
    }
    if (cell->Kind() == LDCMD_BASIC) {
        return FormatAddress(cell->Address(), true);
    }
    return {};
}

}  // namespace

bool CLadderView::SearchBySymbol(const std::string& text, int row, int column) {
    const CCommentList& comments = doc_.Project().Comments();
    const AddressSymbolLookup lookup = [&comments](const LDADDR& address) {
        return std::optional<std::string>(comments.SymbolOf(address));
    };
    if (!Ladder().FindSymbol(text, lookup, row, column)) {
        row = 0;
        column = 0;
        if (!Ladder().FindSymbol(text, lookup, row, column)) {
            return false;
        }
    }
    SetCaret(Ladder().DisplayRowOf(row), column, false);
    Repaint();
    return true;
}

bool CLadderView::SearchByKey(const CLDCmd& key, int row, int column) {
    if (!Ladder().FindElement(key, row, column)) {
        row = 0;
        column = 0;
        if (!Ladder().FindElement(key, row, column)) {
            return false;
        }
    }
    SetCaret(Ladder().DisplayRowOf(row), column, false);
    Repaint();
    return true;
}

bool CLadderView::GoToCell(int row, int column) {
    if (row < 0 || row >= Ladder().RowCount()) {
        return false;
    }
    if (column < 0 || column >= LADDER_WIDTH) {
        column = 0;
    }
    SetCaret(Ladder().DisplayRowOf(row), column, false);
    Repaint();
    return true;
}

void CLadderView::OnFind() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    std::optional<std::string> answer = dialogs_.RunFindDialog(FindPrefill(*located, caretColumn_));
    if (!answer || answer->empty()) {
        return;
    }
    const std::string text = MbUpper(*answer);
    const int row = located->row;
    const int column = located->column + 1;
    if (SearchBySymbol(text, row, column)) {
        if (std::optional<CElemInfo> found = LocateCaret(); found && found->cell != nullptr) {
            findKey_ = found->cell->Element();
        }
        return;
    }
    findKey_ = BuildFindKey(text);
    SearchByKey(findKey_, row, column);
}

void CLadderView::OnRepeat() {
    std::optional<CElemInfo> located = LocateCaret();
    if (!located) {
        return;
    }
    SearchByKey(findKey_, located->row, located->column + 1);
}

void CLadderView::OnEditBatch() {
    CBatchDialogData data;
    FillBatchDefaults(data);
    if (!dialogs_.RunBatchDialog(data)) {
        return;
    }
    const CBatchRequest request = ReadBatchDialog(data);
    doc_.BeginUndoGroup();
    ShiftAddresses(request);
    SetCaret(caretRow_, caretColumn_, false);
    Notify(HINT_REPAINT);
}

void CLadderView::ShiftAddresses(const CBatchRequest& request) {
    if (request.letter == '\0') {
        return;
    }
    CLadder& ladder = Ladder();
    auto shift = [&](int row, int column) {
        CLDCell* cell = ladder.GetCell(row, column);
        if (cell == nullptr ||
            !cell->ShiftAddress(request.letter, request.first, request.last, request.delta, true)) {
            return;
        }
        CLDCell copy = *cell;
        copy.ShiftAddress(request.letter, request.first, request.last, request.delta, false);
        doc_.PlaceElement(row, column, copy);
    };
    if (request.area == 0) {
        const CSelect selected = selection_;
        for (const CElemInfo& info : selected) {
            if (info.cell != nullptr) {
                shift(info.row, info.column);
            }
        }
        return;
    }
    // Each element once: contacts, coils and block heads are the only cells an address shift
    // can affect, and each stands in exactly one cell.
    for (int row = 0; row < ladder.RowCount(); ++row) {
        for (int column = 0; column < LADDER_WIDTH; ++column) {
            shift(row, column);
        }
    }
}

}  // namespace varno
