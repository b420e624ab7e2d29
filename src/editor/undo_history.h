// The undo history of a ladder document: one record per elementary change (a cell placed or
// removed, a row inserted or deleted, a vertical line added or removed), grouped per command.
// Undo reverts the newest applied group, redo re-applies the oldest undone one. Records live
// in memory only.
//
// Record data: a cell as WriteCell + WriteCellOperands write it (the 8-byte cell record, then a
// block head's operand records); a row as WriteRow writes it. A comment row too long for the
// file form is kept in a private form the same reader takes back: its 8-byte row header has
// tag 0x2F and byte 1 set, then the two text lengths as 32-bit values, then the texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ladder.h"

namespace varno {

// Record kinds (low byte of CUndoRecord::kind) and flags.
inline constexpr int UNDO_CELL = 1;
inline constexpr int UNDO_ROW = 2;
inline constexpr int UNDO_VLINE = 3;
inline constexpr int UNDO_INSERTED = 0x8000;
inline constexpr int UNDO_GROUP_START = 0x4000;

struct CUndoRecord {
    std::vector<std::uint8_t> data;  // the serialised cell or row; empty for UNDO_VLINE
    int kind = 0;
    int row = 0;
    int column = 0;

    int Type() const { return kind & 0xFF; }
    bool Inserted() const { return (kind & UNDO_INSERTED) != 0; }
    bool GroupStart() const { return (kind & UNDO_GROUP_START) != 0; }
    std::size_t Length() const { return data.size(); }
};

class CUndoHistory {
public:
    static constexpr int DEFAULT_LIMIT = 1024;

    // The next record pushed opens a group.
    void BeginGroup() { groupPending_ = true; }
    // Each push first drops the undone records and trims the history at the limit, whether or
    // not it then records anything. An empty (or missing) cell is never recorded.
    void PushCell(bool inserted, int row, int column, const CLDCell* cell);
    void PushRow(bool inserted, int row, const CLDRow& rowObject);
    // PushRow with the row already in its byte form (SerializeUndoRow).
    void PushRowData(bool inserted, int row, std::vector<std::uint8_t> data);
    void PushLine(bool inserted, int row, int column);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < Count(); }
    // Reverts the newest applied group (or what is left of it after a trim). False when there
    // was nothing to undo.
    bool Undo(CLadder& ladder);
    // Re-applies the oldest undone group. False when there was nothing to redo.
    bool Redo(CLadder& ladder);
    // Forgets every record.
    void Clear();

    int Position() const { return position_; }
    int Count() const { return static_cast<int>(records_.size()); }
    const CUndoRecord& Record(int index) const { return records_[static_cast<std::size_t>(index)]; }
    int Limit() const { return limit_; }
    // Test hook: a smaller limit makes the trim easy to reach.
    void SetLimit(int limit) { limit_ = limit; }
    bool GroupPending() const { return groupPending_; }
    // Bytes held by record data.
    std::size_t DataBytes() const;

    // What every push does first: drops the undone records and trims at the limit. For a
    // change that turned out to change nothing.
    void PrepareUndoPush();

private:
    void Append(CUndoRecord record);

    std::vector<CUndoRecord> records_;
    int position_ = 0;
    int limit_ = DEFAULT_LIMIT;
    bool groupPending_ = false;
};

// The byte forms of the records, also used by tests.
std::vector<std::uint8_t> SerializeUndoCell(const CLDCell& cell);
std::vector<std::uint8_t> SerializeUndoRow(const CLDRow& row);
bool DeserializeUndoCell(const std::vector<std::uint8_t>& data, CLDCell& cell);
std::unique_ptr<CLDRow> DeserializeUndoRow(const std::vector<std::uint8_t>& data);

}  // namespace varno
