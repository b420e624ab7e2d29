#include "model/ladder_select.h"

#include <algorithm>

namespace varno {

std::uint64_t CSelect::Key(int row, int column) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) |
           static_cast<std::uint32_t>(column);
}

void CSelect::Reset() {
    items_.clear();
    cellKeys_.clear();
    commentRows_.clear();
    minColumn_ = minRow_ = endColumn_ = endRow_ = -1;
}

void CSelect::Add(const CElemInfo& info, bool addTo) {
    if (!addTo) {
        Reset();
    }
    int width = 1;
    int height = 1;
    if (info.cell != nullptr) {
        width = FuncWidth(*info.cell);
        height = FuncHeight(*info.cell);
    }
    auto end = [](int start, int size) {
        return static_cast<int>(
            std::min<long long>(static_cast<long long>(start) + size, INT32_MAX));
    };
    if (items_.empty()) {
        minColumn_ = info.column;
        minRow_ = info.row;
        endColumn_ = end(info.column, width);
        endRow_ = end(info.row, height);
    } else {
        minColumn_ = std::min(minColumn_, info.column);
        minRow_ = std::min(minRow_, info.row);
        endColumn_ = std::max(endColumn_, end(info.column, width));
        endRow_ = std::max(endRow_, end(info.row, height));
    }
    if (Contains(info.row, info.column)) {
        return;
    }
    items_.push_back(info);
    if (info.cell == nullptr) {
        commentRows_.insert(info.row);
    } else {
        cellKeys_.insert(Key(info.row, info.column));
    }
}

bool CSelect::Contains(int row, int column) const {
    return commentRows_.contains(row) || cellKeys_.contains(Key(row, column));
}

}  // namespace varno
