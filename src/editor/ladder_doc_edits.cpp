// The primitive edits of a ladder document. Each changes the ladder through the model and
// records what it changed, one undo record per elementary change.
#include <algorithm>

#include "editor/ladder_doc.h"
#include "model/catalog.h"

namespace varno {

namespace {

bool ValidColumn(int column) {
    return column >= 0 && column < LADDER_WIDTH;
}

}  // namespace

// Appends blank rows at the end until `needed` rows exist below index row - 1, that is until
// RowCount > row + needed - 1.
void CLadderDoc::AppendRowsBelow(int row, int needed) {
    const long long want = static_cast<long long>(row) + needed;
    const int n = ladder_->RowCount();
    if (want >= n) {
        InsertRows(n, nullptr, static_cast<int>(want - n + 1));
    }
}

void CLadderDoc::InsertRows(int at, const CLDRow* row, int count) {
    at = std::max(at, 0);
    if (count > 0) {
        // The copies are equal, so one byte form serves every record; the rows below move once.
        const CLDRow blank;
        const CLDRow& source = row != nullptr ? *row : blank;
        std::vector<std::unique_ptr<CLDRow>> rows;
        rows.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            rows.push_back(std::make_unique<CLDRow>(source));
        }
        const int index = std::min(at, ladder_->RowCount());
        ladder_->InsertRange(static_cast<std::size_t>(index), std::move(rows));
        const std::vector<std::uint8_t> data = SerializeUndoRow(source);
        for (int i = 0; i < count; ++i) {
            history_.PushRowData(true, index, data);
        }
    }
    SetModified(true);
}

void CLadderDoc::DeleteRow(int row) {
    DeleteRows(row, 1);
}

void CLadderDoc::DeleteRows(int first, int count) {
    if (first < 0 || count <= 0 || first >= ladder_->RowCount()) {
        return;
    }
    const int n = std::min(count, ladder_->RowCount() - first);
    for (int i = 0; i < n; ++i) {
        history_.PushRow(false, first, *ladder_->GetRow(first + i));
    }
    ladder_->RemoveRange(static_cast<std::size_t>(first), static_cast<std::size_t>(n));
    SetModified(true);
}

void CLadderDoc::ClearCell(int row, int column) {
    if (!ValidColumn(column)) {
        return;
    }
    if (CLDCell* cell = ladder_->GetCell(row, column)) {
        history_.PushCell(false, row, column, cell);
        if (ladder_->RemoveElement(row, column)) {
            SetModified(true);
        }
        return;
    }
    DeleteRow(row);
    InsertRows(row, nullptr, 1);
}

CLDCell* CLadderDoc::PlaceElement(int row, int column, const CLDCell& element) {
    if (row < 0 || !ValidColumn(column)) {
        return nullptr;
    }
    AppendRowsBelow(row, FuncHeight(element));
    ClearCell(row, column);
    CLDCell* placed = ladder_->PutElement(row, column, element);
    if (placed != nullptr) {
        history_.PushCell(true, row, column, placed);
        SetModified(true);
    }
    return placed;
}

void CLadderDoc::DrawLineRight(int row, int from, int to) {
    if (to < 1) {
        to = LADDER_WIDTH - 1;
    }
    if (row < 0) {
        return;
    }
    AppendRowsBelow(row, 1);
    from = std::max(from, 0);
    to = std::min(to, LADDER_WIDTH - 1);
    for (int c = from; c <= to; ++c) {
        CLDCell* cell = ladder_->GetCell(row, c);
        history_.PushCell(false, row, c, cell);
        // A block goes as a whole: its head record restores it, and the cells of its area
        // must be empty for that, so they are cleared now rather than overwritten.
        if (cell != nullptr && cell->IsFunc()) {
            ladder_->RemoveElement(row, c);
        }
    }
    ladder_->FillLine(row, from, to);
    for (int c = from; c <= to; ++c) {
        history_.PushCell(true, row, c, ladder_->GetCell(row, c));
    }
    SetModified(true);
}

void CLadderDoc::AddVerticalLine(int row, int column) {
    if (row < 0) {
        return;
    }
    AppendRowsBelow(row, 1);
    const CLDRow* r = ladder_->GetRow(row);
    if (r == nullptr || r->IsComment()) {
        InsertRows(row, nullptr, 1);
    }
    // A line that is there already is not recorded again: undoing it would take away a line
    // the ladder had before.
    const CLDCell* cell = ladder_->GetCell(row, column);
    if (cell != nullptr && column != 0 && cell->VLine()) {
        history_.PrepareUndoPush();
        return;
    }
    ladder_->SetVLine(row, column);
    history_.PushLine(true, row, column);
    SetModified(true);
}

void CLadderDoc::RemoveVerticalLine(int row, int column) {
    const CLDCell* cell = ladder_->GetCell(row, column);
    if (cell == nullptr || !cell->VLine()) {
        return;
    }
    history_.PushLine(false, row, column);
    if (ladder_->ClearVLine(row, column)) {
        SetModified(true);
    }
}

void CLadderDoc::InsertCommentRow(int at, std::string comment1, std::string comment2) {
    const int index = std::clamp(at, 0, ladder_->RowCount());
    CLDRow& row =
        ladder_->InsertAt(static_cast<std::size_t>(index),
                          std::make_unique<CLDRow>(std::move(comment1), std::move(comment2)));
    SetModified(true);
    history_.PushRow(true, index, row);
}

std::string CLadderDoc::GetCommentText(int row, int which) const {
    const CLDRow* r = ladder_->GetRow(row);
    if (r == nullptr || !r->IsComment()) {
        return {};
    }
    return r->Comment(which == 0 ? 1 : 2);
}

}  // namespace varno
