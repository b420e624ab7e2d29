// CLDRow: one row of a ladder program, either an element row of exactly eight cells or a comment
// row of two texts (GBK bytes, line feeds kept as typed).
//
// Display height: an element row is one display row high. A comment row's line count is the
// larger line count of its texts (line feeds + 1; 0 when both are empty) and it is
// max(1, (lines + 1) / 2) display rows high. Extent: how many rows the row's blocks reach down,
// the tallest block headed in the row (1 without blocks, 1 for a comment row).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/ladder_cell.h"

namespace varno {

inline constexpr int LDROW_ELEMENTS = 37;  // '%'
inline constexpr int LDROW_COMMENT = 47;   // '/'
inline constexpr int LADDER_WIDTH = 8;     // cells per element row

// The element covering a position: the head's column and cell (no cell for a comment row).
struct CCovering {
    int column;
    CLDCell* cell;
};

class CLDRow {
public:
    // A blank element row: eight empty cells.
    CLDRow();
    // A comment row.
    CLDRow(std::string comment1, std::string comment2);
    // Deep copy: cells with their operand arrays, or the texts.
    CLDRow(const CLDRow& other);
    // Rows are replaced by removing and inserting, never overwritten in place, so that a
    // ladder's display-row bookkeeping cannot miss a change of kind.
    CLDRow& operator=(const CLDRow&) = delete;

    // Rows take their memory from the row pool (row_memory.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;

    int Type() const { return comment_ ? LDROW_COMMENT : LDROW_ELEMENTS; }
    bool IsComment() const { return comment_ != nullptr; }

    // The cell at a column 0..7; null for a comment row or another column. Inline: the
    // compiler asks for cells several times per cell it compiles.
    CLDCell* Cell(int column) {
        return column >= 0 && column < LADDER_WIDTH && !comment_
                   ? &cells_[static_cast<std::size_t>(column)]
                   : nullptr;
    }
    const CLDCell* Cell(int column) const { return const_cast<CLDRow*>(this)->Cell(column); }
    // Copies the value into the cell, keeping the cell's vertical-line flag.
    bool PutCell(int column, const CLDCell& value);
    bool PutCell(int column, CLDCell&& value);
    // Empties the cell, keeping its vertical-line flag.
    bool EmptyCell(int column);
    // Column 0 never carries the flag: setting it there succeeds and changes nothing.
    bool SetVLine(int column);
    bool ClearVLine(int column);
    // All cells of [from, from + count) empty; from < 0 means 0, count < 0 means 8, cut at
    // column 7. Always false for a comment row.
    bool IsEmpty(int from = 0, int count = -1) const;

    // Comment text 1 or 2; empty for an element row or another number.
    const std::string& Comment(int which) const;
    // Replaces both texts of a comment row; false (and nothing) for an element row.
    bool SetComments(std::string comment1, std::string comment2);
    int LineCount() const { return comment_ ? comment_->lines : 0; }

    int Extent() const;
    int DisplayHeight() const;
    // Whether a cell visited by stepping from column 0 by each cell's block width carries a
    // vertical-line flag (cells inside a block's head-row area are not visited).
    bool HasVLine() const;
    // Extent and HasVLine together, in one look at the cells.
    struct CShape {
        int extent;
        bool hasVLine;
    };
    CShape Shape() const;
    // The element whose area covers the column at the given sub-row below this row, stepping
    // from column 0 by block width; a comment row answers the column itself with no cell.
    std::optional<CCovering> FindCovering(int column, int subRow);
    // The first "SP" head of the row, or null.
    CLDCell* FindSubprogramHead();

    // What the ladder holding the row last worked out about its layout. Only that ladder
    // writes and reads it (see CLadder), which is why a const row lets it change.
    struct CLayoutCache {
        std::int32_t height = 1;  // display rows
        std::int32_t reach = 1;   // extent, or the display height of a comment row
        bool comment = false;
        bool vline = false;
        bool operator==(const CLayoutCache&) const = default;
    };
    CLayoutCache& LayoutCache() const { return layoutCache_; }

private:
    struct CComment {
        std::string text1;
        std::string text2;
        int lines;
    };

    // First, so that a walk over the layout touches one cache line per row.
    mutable CLayoutCache layoutCache_;
    std::unique_ptr<CComment> comment_;  // set for a comment row
    // Cells sit inside the row so that walking a long program touches one block per row; a
    // comment row leaves them unused.
    std::array<CLDCell, LADDER_WIDTH> cells_;
};

// Asks the processor to start loading a row that a walk over a long program will reach soon;
// the rows of a program lie scattered in memory, and waiting for each in turn dominates walks.
inline void PrefetchRow(const CLDRow* row) {
    if (row != nullptr) {
        const char* bytes = reinterpret_cast<const char*>(row);
        for (std::size_t at = 0; at < sizeof(CLDRow); at += 64) {
            __builtin_prefetch(bytes + at);
        }
    }
}

}  // namespace varno
