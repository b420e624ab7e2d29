#include "model/ladder.h"

#include <algorithm>
#include <climits>
#include <new>

#include "model/catalog.h"

namespace varno {

namespace {

bool ValidColumn(int column) {
    return column >= 0 && column < LADDER_WIDTH;
}

CLDCell MakeCell(std::uint8_t kind, std::uint8_t code) {
    CLDCmd cmd;
    cmd.kind = kind;
    cmd.code = code;
    return CLDCell(cmd);
}

}  // namespace

// --- Rows ---------------------------------------------------------------------------------

CLDCell* CLadder::GetCell(int row, int column) const {
    CLDRow* r = GetRow(row);
    return r != nullptr ? r->Cell(column) : nullptr;
}

CLDRow& CLadder::InsertRow(int index, const CLDRow* source) {
    auto row = source != nullptr ? std::make_unique<CLDRow>(*source) : std::make_unique<CLDRow>();
    return InsertAt(static_cast<std::size_t>(std::max(index, 0)), std::move(row));
}

CLDRow& CLadder::AppendRow(std::unique_ptr<CLDRow> row) {
    return AddTail(std::move(row));
}

bool CLadder::RemoveRow(int index) {
    return index >= 0 && RemoveAt(static_cast<std::size_t>(index));
}

void CLadder::SetCellSize(int width, int height) {
    cellWidth_ = std::max(width, 1);
    cellHeight_ = std::max(height, 1);
}

// --- Cells --------------------------------------------------------------------------------

// The row, after appending one blank row when it is missing; null when it is still missing.
CLDRow* CLadder::RowForEdit(int row) {
    if (row < 0) {
        return nullptr;
    }
    if (GetRow(row) == nullptr) {
        InsertRow(RowCount());
    }
    return GetRow(row);
}

CLDCell* CLadder::PutElement(int row, int column, const CLDCell& value) {
    if (value.IsFunc()) {
        return PlaceBlock(row, column, value, false);
    }
    CEditScope scope(*this, row, row);
    CLDRow* r = RowForEdit(row);
    if (r == nullptr || !r->PutCell(column, value)) {
        return nullptr;
    }
    return r->Cell(column);
}

CLDCell* CLadder::PlaceBlock(int row, int column, const CLDCell& block, bool withLines) {
    if (!block.IsFunc() || row < 0 || !ValidColumn(column)) {
        return nullptr;
    }
    // The head's own operands, taken before anything changes so that a short template or a
    // lack of memory leaves the ladder as it was.
    CLDCell head;
    {
        CDetachedCellEdits detached;
        head.SetElement(block.Element());
        if (!head.SetOperands(block.Operands())) {
            return nullptr;
        }
    }
    const int height = FuncHeight(head);
    const int width = FuncWidth(head);
    const int inputs = FuncInputCount(head.Code());
    if (static_cast<long long>(row) + height > INT_MAX) {
        return nullptr;
    }
    CEditScope scope(*this, row, row + height - 1);

    for (int i = 0; i < height; ++i) {
        CLDRow* r = RowForEdit(row + i);
        if (r == nullptr || r->IsComment()) {
            return nullptr;
        }
        int last = std::min(column + width, LADDER_WIDTH);
        if (!r->IsEmpty(column, last - column)) {
            return nullptr;
        }
        for (int c = column; c < last; ++c) {
            r->EmptyCell(c);
        }
        if (column + width > LADDER_WIDTH) {
            return nullptr;
        }
    }
    for (int i = 1; i < inputs; ++i) {
        if (CLDRow* r = RowForEdit(row + i)) {
            r->PutCell(column, MakeCell(LDCMD_FUNC_INPUT, static_cast<std::uint8_t>(i)));
        }
    }
    CLDRow* headRow = GetRow(row);
    headRow->PutCell(column, std::move(head));
    headRow->PutCell(column + width - 1, MakeCell(LDCMD_FUNC_END, 0));
    if (withLines) {
        FillLine(row, column + width, 0);
    }
    return headRow->Cell(column);
}

bool CLadder::FillLine(int row, int from, int to) {
    if (row < 0) {
        return false;
    }
    CEditScope scope(*this, row, row);
    while (GetRow(row) == nullptr) {
        InsertRow(RowCount());
    }
    if (to <= 0) {
        to = LADDER_WIDTH - 1;
    }
    CLDRow* r = GetRow(row);
    const CLDCell wire = MakeCell(LDCMD_HLINE, 0);
    for (int c = from; c <= to; ++c) {
        if (!r->PutCell(c, wire)) {
            return false;
        }
    }
    return true;
}

bool CLadder::SetVLine(int row, int column) {
    if (column == 0) {
        return true;
    }
    if (row < 0 || !ValidColumn(column)) {
        return false;
    }
    CEditScope scope(*this, row, row);
    CLDRow* r = GetRow(row);
    if (r == nullptr) {
        r = &InsertRow(RowCount());
    }
    return r->SetVLine(column);
}

bool CLadder::ClearVLine(int row, int column) {
    CEditScope scope(*this, row, row);
    CLDRow* r = GetRow(row);
    return r != nullptr && r->ClearVLine(column);
}

bool CLadder::RemoveElement(int row, int column) {
    CLDCell* cell = GetCell(row, column);
    if (cell == nullptr) {
        return true;
    }
    const int height = FuncHeight(*cell);
    const int last = std::min(column + FuncWidth(*cell), LADDER_WIDTH);
    CEditScope scope(
        *this, row,
        static_cast<int>(std::min<long long>(static_cast<long long>(row) + height - 1, INT_MAX)));
    for (int i = 0; i < height; ++i) {
        CLDRow* r = GetRow(row + i);
        if (r == nullptr) {
            return false;
        }
        for (int c = column; c < last; ++c) {
            r->EmptyCell(c);
        }
    }
    return true;
}

bool CLadder::IsEmpty(int row, int from, int count) const {
    CLDRow* r = GetRow(row);
    return r != nullptr && r->IsEmpty(from, count);
}

// --- Queries ------------------------------------------------------------------------------

int CLadder::FindBlockHeadAbove(int row, int column, int lowestRow) const {
    for (int r = std::min(row, RowCount() - 1); r >= std::max(lowestRow, 0); --r) {
        CLDCell* cell = GetCell(r, column);
        if (cell != nullptr && cell->IsFunc()) {
            return r;
        }
    }
    return -1;
}

namespace {

// Index of the catalog operand the pattern names, or -1. Operands compare by their tag and the
// bytes that hold an address's letter and byte number (operand bytes 0, 2 and 3), for
// constants too: the bit byte never counts.
int MatchingOperand(const CLDCell& head, const CLDCmd& pattern) {
    constexpr std::uint32_t COMPARED_BYTES = 0xFFFF00FFu;
    for (int i = 0;; ++i) {
        const CLDCmd* op = head.Operand(i);
        if (op == nullptr) {
            return -1;
        }
        if (op->code == pattern.code &&
            (op->operand & COMPARED_BYTES) == (pattern.operand & COMPARED_BYTES)) {
            return i;
        }
    }
}

// Calls match(cell) for every cell from (row, column) on until it answers a position.
template <class Match>
bool Scan(const CLadder& ladder, int& row, int& column, Match match) {
    for (int r = std::max(row, 0); r < ladder.RowCount(); ++r) {
        CLDRow* current = ladder.GetRow(r);
        if (current->IsComment()) {
            continue;
        }
        for (int c = r == row ? std::max(column, 0) : 0; c < LADDER_WIDTH; ++c) {
            if (std::optional<CCellPos> hit = match(*current->Cell(c), r, c)) {
                row = hit->row;
                column = hit->column;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool CLadder::FindElement(const CLDCmd& pattern, int& row, int& column) const {
    return Scan(*this, row, column, [&](const CLDCell& cell, int r, int c) {
        std::optional<CCellPos> hit;
        switch (pattern.kind) {
            case LDCMD_BASIC:
                if (cell.Kind() == LDCMD_BASIC && cell.Address() == pattern.Address()) {
                    hit = CCellPos{r, c};
                }
                break;
            case LDCMD_FUNC:
                if (cell.IsFunc() && cell.Code() == pattern.code) {
                    hit = CCellPos{r, c};
                }
                break;
            case LDCMD_OPERAND:
                if (cell.IsFunc()) {
                    int index = MatchingOperand(cell, pattern);
                    if (index >= 0) {
                        hit = CCellPos{r + index, c + 2};
                    }
                }
                break;
            default:
                break;
        }
        return hit;
    });
}

bool CLadder::FindSymbol(const std::string& text, const AddressSymbolLookup& lookup, int& row,
                         int& column) const {
    return Scan(*this, row, column, [&](const CLDCell& cell, int r, int c) {
        std::optional<CCellPos> hit;
        if (cell.Kind() == LDCMD_BASIC) {
            std::optional<std::string> symbol = lookup(cell.Address());
            if (symbol && *symbol == text) {
                hit = CCellPos{r, c};
            }
        }
        return hit;
    });
}

}  // namespace varno
