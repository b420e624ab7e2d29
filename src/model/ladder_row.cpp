#include "model/ladder_row.h"

#include <algorithm>

#include "model/catalog.h"

namespace varno {

namespace {

int TextLines(const std::string& text) {
    return static_cast<int>(std::min<std::size_t>(std::count(text.begin(), text.end(), '\n') + 1,
                                                  static_cast<std::size_t>(INT32_MAX)));
}

int CommentLines(const std::string& a, const std::string& b) {
    if (a.empty() && b.empty()) {
        return 0;
    }
    return std::max(TextLines(a), TextLines(b));
}

bool ValidColumn(int column) {
    return column >= 0 && column < LADDER_WIDTH;
}

}  // namespace

CLDRow::CLDRow() : cells_(LADDER_WIDTH) {}

CLDRow::CLDRow(std::string comment1, std::string comment2)
    : comment1_(std::move(comment1)),
      comment2_(std::move(comment2)),
      lines_(CommentLines(comment1_, comment2_)) {}

CLDCell* CLDRow::Cell(int column) {
    return ValidColumn(column) && !cells_.empty() ? &cells_[static_cast<std::size_t>(column)]
                                                  : nullptr;
}

const CLDCell* CLDRow::Cell(int column) const {
    return const_cast<CLDRow*>(this)->Cell(column);
}

bool CLDRow::PutCell(int column, const CLDCell& value) {
    CLDCell* cell = Cell(column);
    if (cell == nullptr) {
        return false;
    }
    bool vline = cell->VLine();
    cell->Copy(value);
    cell->SetVLine(vline);
    return true;
}

bool CLDRow::PutCell(int column, CLDCell&& value) {
    CLDCell* cell = Cell(column);
    if (cell == nullptr) {
        return false;
    }
    bool vline = cell->VLine();
    *cell = std::move(value);
    cell->SetVLine(vline);
    return true;
}

bool CLDRow::EmptyCell(int column) {
    CLDCell* cell = Cell(column);
    if (cell == nullptr) {
        return false;
    }
    cell->Clear();
    return true;
}

bool CLDRow::SetVLine(int column) {
    CLDCell* cell = Cell(column);
    if (cell == nullptr) {
        return false;
    }
    if (column > 0) {
        cell->SetVLine(true);
    }
    return true;
}

bool CLDRow::ClearVLine(int column) {
    CLDCell* cell = Cell(column);
    if (cell == nullptr) {
        return false;
    }
    cell->SetVLine(false);
    return true;
}

bool CLDRow::IsEmpty(int from, int count) const {
    if (IsComment()) {
        return false;
    }
    from = std::max(from, 0);
    if (count < 0) {
        count = LADDER_WIDTH;
    }
    int end =
        static_cast<int>(std::min<long long>(static_cast<long long>(from) + count, LADDER_WIDTH));
    for (int c = from; c < end; ++c) {
        if (!cells_[static_cast<std::size_t>(c)].IsEmpty()) {
            return false;
        }
    }
    return true;
}

const std::string& CLDRow::Comment(int which) const {
    static const std::string none;
    if (!IsComment()) {
        return none;
    }
    return which == 1 ? comment1_ : which == 2 ? comment2_ : none;
}

bool CLDRow::SetComments(std::string comment1, std::string comment2) {
    if (!IsComment()) {
        return false;
    }
    comment1_ = std::move(comment1);
    comment2_ = std::move(comment2);
    lines_ = CommentLines(comment1_, comment2_);
    TouchLayout();
    return true;
}

int CLDRow::Extent() const {
    int extent = 1;
    for (const CLDCell& cell : cells_) {
        if (cell.IsFunc()) {
            extent = std::max(extent, FuncHeight(cell));
        }
    }
    return extent;
}

int CLDRow::DisplayHeight() const {
    return IsComment() ? std::max(1, lines_ / 2 + lines_ % 2) : 1;
}

bool CLDRow::HasVLine() const {
    for (int c = 0; c < static_cast<int>(cells_.size()); c += FuncWidth(cells_[c])) {
        if (cells_[static_cast<std::size_t>(c)].VLine()) {
            return true;
        }
    }
    return false;
}

std::optional<CCovering> CLDRow::FindCovering(int column, int subRow) {
    if (IsComment()) {
        return CCovering{column, nullptr};
    }
    if (!ValidColumn(column)) {
        return std::nullopt;
    }
    for (int c = 0; c < LADDER_WIDTH;) {
        CLDCell& cell = cells_[static_cast<std::size_t>(c)];
        int width = FuncWidth(cell);
        if (column < c + width) {
            if (FuncHeight(cell) > subRow) {
                return CCovering{c, &cell};
            }
            return std::nullopt;
        }
        c += width;
    }
    return std::nullopt;
}

CLDCell* CLDRow::FindSubprogramHead() {
    for (CLDCell& cell : cells_) {
        if (cell.IsFunc() && cell.Code() == FUNC_SP) {
            return &cell;
        }
    }
    return nullptr;
}

}  // namespace varno
