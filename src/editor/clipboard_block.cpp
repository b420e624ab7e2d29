#include "editor/clipboard_block.h"

#include <algorithm>
#include <climits>

#include "model/catalog.h"
#include "model/ladder_file.h"
#include "platform/archive.h"

namespace varno {

namespace {

// The smallest entry: row, column and one 8-byte record.
constexpr std::uint64_t MIN_ENTRY_BYTES = 16;
// How far below the first row an entry may lie: the rows a ladder file can hold.
constexpr long long MAX_ROW_OFFSET = LADDER_FILE_MAX_ROWS;

void WriteInt(CArchive& ar, int value) {
    ar.WriteValue(static_cast<std::int32_t>(value));
}

bool ReadInt(CArchive& ar, int& value) {
    std::int32_t v = 0;
    if (!ar.ReadValue(v)) {
        return false;
    }
    value = v;
    return true;
}

bool ReadEntry(CArchive& ar, CClipboardEntry& entry) {
    if (!ReadInt(ar, entry.row) || !ReadInt(ar, entry.column)) {
        return false;
    }
    CLDCmd record;
    if (!ar.ReadValue(record)) {
        return false;
    }
    if (record.kind == ROW_TAG_COMMENT) {
        entry.comment = ReadCommentRow(ar, record.operand);
        return entry.comment != nullptr;
    }
    // An empty cell or a wire has no code and no operand (a file keeps its run length there);
    // the reserved byte is always 0. What else arrives here would be placed unrecorded.
    record.reserved = 0;
    if (record.kind == LDCMD_NONE || record.kind == LDCMD_HLINE) {
        record.code = 0;
        record.operand = 0;
    }
    CLDCell cell;
    {
        CDetachedCellEdits detached;
        cell.SetElement(record);
    }
    if (!ReadCellOperands(ar, cell)) {
        return false;
    }
    entry.cell = std::move(cell);
    return true;
}

// Whether the entries lie where the header says, and the row span their areas reach.
bool CheckSpans(CClipboardBlock& block) {
    if (block.entries.empty()) {
        if (block.rowSpan < 0 || block.columnSpan < 0 || block.columnSpan > LADDER_WIDTH) {
            return false;
        }
        block.rowSpan = 0;
        return true;
    }
    if (block.columnSpan < 1 || block.columnSpan > LADDER_WIDTH) {
        return false;
    }
    long long minRow = LLONG_MAX;
    long long reach = 0;
    for (const CClipboardEntry& e : block.entries) {
        const long long rowOffset = static_cast<long long>(e.row) - block.firstRow;
        const long long columnOffset = static_cast<long long>(e.column) - block.firstColumn;
        if (rowOffset < 0 || rowOffset >= block.rowSpan || rowOffset > MAX_ROW_OFFSET ||
            columnOffset < 0 || columnOffset >= block.columnSpan) {
            return false;
        }
        minRow = std::min<long long>(minRow, e.row);
        const int height = e.cell ? FuncHeight(*e.cell) : 1;
        reach = std::max(reach, rowOffset + height);
    }
    if (minRow != block.firstRow || block.rowSpan < 1) {
        return false;
    }
    block.rowSpan = static_cast<int>(std::min<long long>(block.rowSpan, reach));
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> WriteClipboardBlock(const CLadder& ladder,
                                                             const CSelect& selection) {
    CMemWriteArchive ar;
    WriteInt(ar, static_cast<int>(selection.GetCount()));
    WriteInt(ar, selection.BoxHeight());
    WriteInt(ar, selection.BoxWidth());
    WriteInt(ar, selection.MinRow());
    WriteInt(ar, selection.MinColumn());
    for (const CElemInfo& info : selection) {
        WriteInt(ar, info.row);
        WriteInt(ar, info.column);
        if (info.cell != nullptr) {
            // The ladder's cell, not the remembered pointer: the selection may be older than
            // the last change.
            const CLDCell* cell = ladder.GetCell(info.row, info.column);
            if (cell == nullptr) {
                return std::nullopt;
            }
            WriteCell(ar, *cell);
            WriteCellOperands(ar, *cell);
        } else {
            const CLDRow* row = ladder.GetRow(info.row);
            if (row == nullptr || !row->IsComment() || !WriteRow(ar, *row)) {
                return std::nullopt;
            }
        }
    }
    std::vector<std::uint8_t> data = ar.TakeData();
    data.shrink_to_fit();
    return data;
}

std::optional<CClipboardBlock> ReadClipboardBlock(std::span<const std::uint8_t> data) {
    CMemReadArchive ar(data);
    int count = 0;
    CClipboardBlock block;
    if (!ReadInt(ar, count) || !ReadInt(ar, block.rowSpan) || !ReadInt(ar, block.columnSpan) ||
        !ReadInt(ar, block.firstRow) || !ReadInt(ar, block.firstColumn)) {
        return std::nullopt;
    }
    if (count < 0 || static_cast<std::uint64_t>(count) > ar.Remaining() / MIN_ENTRY_BYTES) {
        return std::nullopt;
    }
    block.entries.resize(static_cast<std::size_t>(count));
    for (CClipboardEntry& entry : block.entries) {
        if (!ReadEntry(ar, entry)) {
            return std::nullopt;
        }
    }
    if (!CheckSpans(block)) {
        return std::nullopt;
    }
    return block;
}

}  // namespace varno
