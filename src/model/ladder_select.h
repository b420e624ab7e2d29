// CElemInfo, the answer of a hit test on a ladder, and CSelect, the editor's selection: a list of
// located elements plus the bounding box of their areas in row indexes and columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "model/ladder_cell.h"

namespace varno {

struct CElemInfo {
    CLDCell* cell = nullptr;  // the element's head cell; null for a comment row
    int row = 0;              // list index of the row holding the head
    int column = 0;           // head column; for a comment row the requested column
    int lineRow = 0;          // head row index plus the located display-row offset below it
    int groupEnd = 0;         // row index just after the rung group holding the row
    int groupStart = 0;       // first row index of that rung group
};

class CSelect {
public:
    // Empties the selection; the bounds become -1.
    void Reset();
    // Without addTo the selection is reset first. Widens the bounds over the element's area
    // (1x1, or a block's width x height) and appends it unless Contains(row, column) holds.
    void Add(const CElemInfo& info, bool addTo);
    // Whether an element has the row and either no cell (a comment row) or the column.
    bool Contains(int row, int column) const;
    int BoxWidth() const { return endColumn_ - minColumn_; }
    int BoxHeight() const { return endRow_ - minRow_; }

    int MinColumn() const { return minColumn_; }
    int MinRow() const { return minRow_; }
    int EndColumn() const { return endColumn_; }  // exclusive
    int EndRow() const { return endRow_; }        // exclusive

    std::size_t GetCount() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }
    const CElemInfo& GetAt(std::size_t index) const { return items_[index]; }
    std::vector<CElemInfo>::const_iterator begin() const { return items_.begin(); }
    std::vector<CElemInfo>::const_iterator end() const { return items_.end(); }

private:
    static std::uint64_t Key(int row, int column);

    std::vector<CElemInfo> items_;
    // What Contains asks, kept beside the list so that selecting a whole program stays linear.
    std::unordered_set<std::uint64_t> cellKeys_;
    std::unordered_set<int> commentRows_;
    int minColumn_ = -1;
    int minRow_ = -1;
    int endColumn_ = -1;
    int endRow_ = -1;
};

}  // namespace varno
