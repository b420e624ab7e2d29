#include "model/ladder_row.h"

#include <algorithm>

#include "model/catalog.h"
#include "model/row_memory.h"

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

void* CLDRow::operator new(std::size_t size) {
    return size == sizeof(CLDRow) ? AllocateRowMemory() : ::operator new(size);
}

void CLDRow::operator delete(void* block, std::size_t size) noexcept {
    if (size == sizeof(CLDRow)) {
        FreeRowMemory(block);
    } else {
        ::operator delete(block);
    }
}

CLDRow::CLDRow() = default;

CLDRow::CLDRow(std::string comment1, std::string comment2) {
    const int lines = CommentLines(comment1, comment2);
    comment_ =
        std::make_unique<CComment>(CComment{std::move(comment1), std::move(comment2), lines});
}

CLDRow::CLDRow(const CLDRow& other)
    : comment_(other.comment_ ? std::make_unique<CComment>(*other.comment_) : nullptr),
      cells_(other.cells_) {}

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
    return which == 1 ? comment_->text1 : which == 2 ? comment_->text2 : none;
}

bool CLDRow::SetComments(std::string comment1, std::string comment2) {
    if (!IsComment()) {
        return false;
    }
    comment_->lines = CommentLines(comment1, comment2);
    comment_->text1 = std::move(comment1);
    comment_->text2 = std::move(comment2);
    TouchLayout();
    return true;
}

int CLDRow::Extent() const {
    if (IsComment()) {
        return 1;
    }
    int extent = 1;
    for (const CLDCell& cell : cells_) {
        if (cell.IsFunc()) {
            extent = std::max(extent, FuncHeight(cell));
        }
    }
    return extent;
}

int CLDRow::DisplayHeight() const {
    if (!IsComment()) {
        return 1;
    }
    const int lines = comment_->lines;
    return std::max(1, lines / 2 + lines % 2);
}

bool CLDRow::HasVLine() const {
    if (IsComment()) {
        return false;
    }
    for (int c = 0; c < LADDER_WIDTH;) {
        const CLDCell& cell = cells_[static_cast<std::size_t>(c)];
        if (cell.VLine()) {
            return true;
        }
        c += cell.IsFunc() ? FuncWidth(cell) : 1;
    }
    return false;
}

CLDRow::CShape CLDRow::Shape() const {
    CShape shape{1, false};
    if (IsComment()) {
        return shape;
    }
    int visit = 0;  // the next column HasVLine would look at
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const CLDCell& cell = cells_[static_cast<std::size_t>(c)];
        const bool head = cell.IsFunc();
        if (head) {
            shape.extent = std::max(shape.extent, FuncHeight(cell));
        }
        if (c == visit) {
            shape.hasVLine = shape.hasVLine || cell.VLine();
            visit += head ? FuncWidth(cell) : 1;
        }
    }
    return shape;
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
    if (IsComment()) {
        return nullptr;
    }
    for (CLDCell& cell : cells_) {
        if (cell.IsFunc() && cell.Code() == FUNC_SP) {
            return &cell;
        }
    }
    return nullptr;
}

}  // namespace varno
