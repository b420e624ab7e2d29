// CLadder: one ladder program, an ordered list of rows (element rows of eight cells, comment
// rows of two texts) with the edits, queries and geometry the editor, the view and the compiler
// use.
//
// Coordinates: rows are list indexes unless a function names a display row. The view stacks
// rows: an element row is one display row high, a comment row its DisplayHeight. A functional
// block whose head sits at (r, c) covers columns c..c+W-1 of rows r..r+H-1: the head (kind
// LDCMD_FUNC, owning the operands), LDCMD_FUNC_INPUT cells with codes 1..k-1 at (r+i, c), the
// LDCMD_FUNC_END cell at (r, c+W-1), every other cell empty. A rung (network) is a run of rows
// joined by vertical wires or spanned by blocks.
//
// The geometry keeps a cache of the per-row layout, so a ladder (even a const one) is used by one
// thread at a time, as the whole model is.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ladder_cell.h"
#include "model/ladder_row.h"
#include "model/ladder_select.h"
#include "model/rect.h"
#include "platform/linked_list.h"

namespace varno {

// Maps an address to its symbol in the element comments, if it has one.
using AddressSymbolLookup = std::function<std::optional<std::string>(const LDADDR& address)>;

// A display row and a column.
struct CCellPos {
    int row;
    int column;
    bool operator==(const CCellPos&) const = default;
};

inline constexpr int DEFAULT_CELL_WIDTH = 100;
inline constexpr int DEFAULT_CELL_HEIGHT = 56;

class CLadder : public CLinkedList<CLDRow> {
public:
    CLadder() = default;
    ~CLadder() override = default;
    CLadder(const CLadder&) = delete;
    CLadder& operator=(const CLadder&) = delete;
    CLadder(CLadder&&) = delete;
    CLadder& operator=(CLadder&&) = delete;

    // --- Rows -----------------------------------------------------------------------------
    int RowCount() const { return static_cast<int>(GetCount()); }
    CLDRow* GetRow(int index) const {
        return index < 0 ? nullptr : GetAt(static_cast<std::size_t>(index));
    }
    // Null for a missing row, a comment row or a column outside 0..7.
    CLDCell* GetCell(int row, int column) const;
    // Links a deep copy of source (a blank element row when null) at index
    // min(max(index, 0), RowCount) and returns it.
    CLDRow& InsertRow(int index, const CLDRow* source = nullptr);
    // Links an existing row at the end.
    CLDRow& AppendRow(std::unique_ptr<CLDRow> row);
    // Unlinks and deletes a row; false for a missing index.
    bool RemoveRow(int index);
    void DeleteAllRows() { RemoveAll(); }
    static constexpr int Width() { return LADDER_WIDTH; }

    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Name() const { return name_; }
    // Pixel offset added to every rectangle the ladder reports.
    void SetOrigin(int x, int y) {
        originX_ = x;
        originY_ = y;
    }
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    // Cell size in pixels, set by the view from its settings; values below 1 count as 1.
    void SetCellSize(int width, int height);
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    // Where wires run, in pixels below a cell's top: 3H/8 + H/8, each rounded down.
    int WireLevel() const { return cellHeight_ * 3 / 8 + cellHeight_ / 8; }

    // --- Cells ----------------------------------------------------------------------------
    // Puts a copy of value at (row, column), keeping the cell's vertical flag; a block head goes
    // to PlaceBlock without lines. A missing row is appended first, which is the requested row
    // only when row == RowCount (otherwise the call then fails). Null on failure.
    CLDCell* PutElement(int row, int column, const CLDCell& value);
    // Lays out a functional block with its head at (row, column): the head gets its own copy of
    // block's operands, input and end cells are placed, and withLines draws a wire from the
    // block's right end to the right edge. Missing rows of the area are appended. Fails when a
    // cell of the area is not empty, a row of it is a comment row, the area reaches past
    // column 7, or the block holds fewer operands than it needs. Returns the head or null.
    CLDCell* PlaceBlock(int row, int column, const CLDCell& block, bool withLines);
    // Appends blank rows until the row exists, then wires columns from..to (to <= 0 means 7),
    // overwriting all but vertical flags; stops with false at a cell that cannot take a wire.
    bool FillLine(int row, int from, int to);
    // Sets the vertical flag; column 0 succeeds without change; a missing row makes a blank row
    // be appended, which takes the flag. False on a comment row.
    bool SetVLine(int row, int column);
    bool ClearVLine(int row, int column);
    // Clears the element's area (a block head: the whole block, its operands freed), keeping
    // vertical flags. True without change where there is no cell; false when a row of the
    // area is missing (rows before it stay cleared).
    bool RemoveElement(int row, int column);
    using CLinkedList<CLDRow>::IsEmpty;
    // CLDRow::IsEmpty of the row; false for a missing row.
    bool IsEmpty(int row, int from, int count) const;

    // --- Queries for the compiler and search -----------------------------------------------
    // End (exclusive) of the rung that begins at start: start + Extent, then each following
    // row that has a vertical wire adds its Extent. A missing start row gives start. Answered
    // from the cached layout, so walking a program rung by rung reads each row once.
    int NetworkEnd(int start) const;
    // The row of the nearest block head at the column, from row up to lowestRow; -1 for none.
    int FindBlockHeadAbove(int row, int column, int lowestRow) const;
    // Scans from (row, column) on, row by row (later rows from column 0). A LDCMD_BASIC pattern
    // finds a contact or coil with the same letter, number and bit; a LDCMD_FUNC pattern a head
    // with the same number; a LDCMD_OPERAND pattern a head with a catalog operand of the same
    // tag whose operand bytes 0, 2 and 3 (an address's letter and byte number; for a constant
    // the same bytes) are equal, reported at the row of the operand (head row + operand
    // index) and column + 2, where it is drawn.
    bool FindElement(const CLDCmd& pattern, int& row, int& column) const;
    // The same scan for a contact or coil whose address has the symbol `text` (exact bytes).
    bool FindSymbol(const std::string& text, const AddressSymbolLookup& lookup, int& row,
                    int& column) const;

    // --- Geometry for the view (pixels, moved by the origin) ----------------------------------
    int DisplayRowCount() const;
    bool InBounds(int displayRow, int column) const;
    // The display row where the row with that index begins.
    int DisplayRowOf(int index) const;
    std::optional<CRect> CellRect(int displayRow, int column) const;
    CRect LadderRect() const;
    // The cell under a pixel, clamped into the ladder.
    CCellPos PixelToCell(int x, int y) const;
    // The element at a display position: a block's whole area answers with its head (rows below
    // a head resolve to it before the lower rows are tried); a comment row answers itself.
    // lineRow is the head's row index plus the display-row offset; groupStart/groupEnd bound
    // the rung group holding the row.
    std::optional<CElemInfo> Locate(int displayRow, int column) const;
    // The element covering the column in the row with list index `row` (checked against the
    // display-row bound, and the row must exist). Sets cell, column and row of info only.
    bool LocateRow(int row, int column, CElemInfo& info) const;

protected:
    void OnLinked(std::size_t index, std::size_t count) override;
    void OnUnlinking(std::size_t index, std::size_t count) override;

private:
    // The layout: each row's display height, reach and wiring sit in the row's layout cache;
    // the running sums over rows (display start, furthest reach, rung group) are filled in
    // lazily, from the first row an edit touched up to the row a question needs. The ladder's
    // own edits and every link and unlink keep it current row by row; a change made around
    // them (LayoutEpoch moved while nobody told the ladder) makes it start over.
    struct CLayout {
        bool rowsCurrent = false;  // every row's cache is right as of `epoch`
        std::uint64_t epoch = 0;
        std::int64_t total = 0;              // display rows of the whole ladder
        std::size_t valid = 0;               // sums valid for rows [0, valid), and start[valid]
        std::vector<std::int64_t> start;     // display row of each row
        std::vector<std::int64_t> reachMax;  // max over rows 0..i of start + reach
        std::vector<std::int32_t> group;     // first row index of the rung group of each row
        // Copies of the rows' caches beside the sums, so that walks read packed arrays.
        std::vector<std::int32_t> reach;
        std::vector<std::uint8_t> flags;  // ROW_COMMENT, ROW_VLINE
    };
    static constexpr std::uint8_t ROW_COMMENT = 1;
    static constexpr std::uint8_t ROW_VLINE = 2;
    // Marks the ladder's own edits of rows [first, last], so that only those rows are looked at
    // again afterwards. Scopes nest; the outermost one brings the layout up to date.
    class CEditScope {
    public:
        CEditScope(const CLadder& ladder, int first, int last);
        ~CEditScope();
        CEditScope(const CEditScope&) = delete;
        CEditScope& operator=(const CEditScope&) = delete;

    private:
        const CLadder& ladder_;
    };

    bool LayoutCurrent() const;
    // Every row's cache, rebuilt when it cannot be trusted.
    const CLayout& Layout() const;
    // Running sums valid for rows [0, upTo).
    void ExtendSums(std::size_t upTo) const;
    // Fills the sums of rows [valid, upTo); with refresh, works out each row's cache first.
    void SumRows(std::size_t upTo, bool refresh) const;
    // Extends the sums until they reach past display row y (or the last row).
    void ExtendSumsPast(std::int64_t y) const;
    // Extends the sums so that they cover row index.
    void ExtendSumsTo(std::size_t index) const;
    // Rows the rung group starting at a row would span; its sums must be valid.
    std::int64_t GroupLength(std::size_t row) const;
    // Works out a row's cache again; returns the change of its display height.
    std::int64_t RefreshRow(const CLDRow& row) const;
    void Forget(std::size_t firstChanged) const;
    // Whether a link or unlink can be followed row by row; else marks the layout stale.
    bool KeepUpWithLinks() const;
    CLDRow* RowForEdit(int row);

    std::string name_;
    int originX_ = 0;
    int originY_ = 0;
    int cellWidth_ = DEFAULT_CELL_WIDTH;
    int cellHeight_ = DEFAULT_CELL_HEIGHT;
    mutable CLayout layout_;
    mutable int editDepth_ = 0;
    mutable bool editWasCurrent_ = false;
    mutable int editFirst_ = 0;
    mutable int editLast_ = -1;
};

}  // namespace varno
