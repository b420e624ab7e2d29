// The clipboard block of copied ladder elements (format "KESTO_LADITEM"), little-endian:
//
//   4  n, the number of entries (the selection's element count)
//   4  row span (the selection's BoxHeight)
//   4  column span (BoxWidth)
//   4  first row (the selection's minimum row index)
//   4  first column (its minimum column)
//   then n entries, in selection order:
//   4  row index of the entry in the source ladder
//   4  column of the entry
//   .. an element: its cell as WriteCell + WriteCellOperands write it (the 8-byte cell record,
//      then a block head's operand records); a comment row (an entry without a cell): the row
//      as WriteRow writes it (8-byte header whose first byte is 0x2F, then the two texts).
//
// The first byte after the column tells the two forms apart: 0x2F starts a comment row, any
// other value is an element kind. The cell's vertical-line flag travels with it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "model/ladder.h"

namespace varno {

struct CClipboardEntry {
    int row = 0;
    int column = 0;
    std::optional<CLDCell> cell;      // an element
    std::unique_ptr<CLDRow> comment;  // or a comment row
};

struct CClipboardBlock {
    int rowSpan = 0;
    int columnSpan = 0;
    int firstRow = 0;
    int firstColumn = 0;
    std::vector<CClipboardEntry> entries;
};

// The block for the selection. Nullopt when an entry no longer names what it did: a cell entry
// whose cell is gone, or an entry without a cell whose row is missing or not a comment row (or
// holds more text than the row form can carry).
std::optional<std::vector<std::uint8_t>> WriteClipboardBlock(const CLadder& ladder,
                                                             const CSelect& selection);

// Reads a block. Nullopt for damaged data: a short read, a count the data cannot hold, a row
// or cell that does not read, or an entry outside the spans its header gives (rows outside the
// row span or more than 65535 rows below the first row, columns outside the column span, which
// is 8 at most). The row span of the result is cut to what its entries reach.
std::optional<CClipboardBlock> ReadClipboardBlock(std::span<const std::uint8_t> data);

}  // namespace varno
