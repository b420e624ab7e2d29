#include "editor/undo_history.h"

#include <cstring>
#include <numeric>
#include <span>

#include "model/ladder_file.h"
#include "platform/archive.h"

namespace varno {

namespace {

// Memory files for records grow in steps of 1024 bytes; the block a record keeps is cut to
// what was written, so that a record's size follows the change.
constexpr std::size_t RECORD_GROWTH = 1024;

// Byte 1 of a comment row header marks the private long form.
constexpr std::uint8_t LONG_COMMENT_MARK = 1;

std::vector<std::uint8_t> TakeExact(CMemWriteArchive& ar) {
    std::vector<std::uint8_t> data = ar.TakeData();
    data.shrink_to_fit();
    return data;
}

void WriteLongComment(CArchive& ar, const CLDRow& row) {
    const std::uint8_t header[8] = {ROW_TAG_COMMENT, LONG_COMMENT_MARK, 0, 0, 0, 0, 0, 0};
    ar.Write(header, sizeof header);
    ar.WriteValue(static_cast<std::uint32_t>(row.Comment(1).size()));
    ar.WriteValue(static_cast<std::uint32_t>(row.Comment(2).size()));
    ar.WriteBytes(row.Comment(1));
    ar.WriteBytes(row.Comment(2));
}

std::unique_ptr<CLDRow> ReadLongComment(CArchive& ar) {
    std::uint8_t header[8];
    std::uint32_t length1 = 0;
    std::uint32_t length2 = 0;
    if (!ar.ReadExact(header, sizeof header) || !ar.ReadValue(length1) || !ar.ReadValue(length2)) {
        return nullptr;
    }
    std::optional<std::string> text1 = ar.ReadBytes(length1);
    std::optional<std::string> text2 = text1 ? ar.ReadBytes(length2) : std::nullopt;
    if (!text2) {
        return nullptr;
    }
    return std::make_unique<CLDRow>(std::move(*text1), std::move(*text2));
}

bool IsLongComment(const std::vector<std::uint8_t>& data) {
    return data.size() >= 8 && data[0] == ROW_TAG_COMMENT && data[1] == LONG_COMMENT_MARK;
}

// Puts a record's content into the ladder (put) or takes it out (!put).
void ApplyOne(CLadder& ladder, const CUndoRecord& record, bool put) {
    switch (record.Type()) {
        case UNDO_CELL:
            if (put) {
                CLDCell cell;
                if (DeserializeUndoCell(record.data, cell)) {
                    ladder.PutElement(record.row, record.column, cell);
                }
            } else {
                ladder.RemoveElement(record.row, record.column);
            }
            break;
        case UNDO_ROW:
            if (put) {
                if (std::unique_ptr<CLDRow> row = DeserializeUndoRow(record.data)) {
                    ladder.InsertAt(static_cast<std::size_t>(std::max(record.row, 0)),
                                    std::move(row));
                }
            } else {
                ladder.RemoveRow(record.row);
            }
            break;
        case UNDO_VLINE:
            if (put) {
                ladder.SetVLine(record.row, record.column);
            } else {
                ladder.ClearVLine(record.row, record.column);
            }
            break;
        default:
            break;
    }
}

// Whether two row records can be applied as one run: rows inserted (or deleted) one after the
// other at one index.
bool SameRowRun(const CUndoRecord& a, const CUndoRecord& b) {
    return a.Type() == UNDO_ROW && b.Type() == UNDO_ROW && a.row == b.row &&
           a.Inserted() == b.Inserted();
}

// Applies records [first, last) of a row run in one move of the rows below them. In stored
// order every record inserts (or removes) a row at the same index; undo applies them newest
// first. Inserting k rows one by one at an index stacks them so that the record applied last
// ends on top; removing k rows one by one at an index removes the k rows from there on.
void ApplyRowRun(CLadder& ladder, std::span<const CUndoRecord> run, bool put, bool newestFirst) {
    const int index = run.front().row;
    if (!put) {
        if (index >= 0) {
            ladder.RemoveRange(static_cast<std::size_t>(index), run.size());
        }
        return;
    }
    if (index < 0 || index > ladder.RowCount()) {
        // Rows that would land at the end one by one stack differently; take the slow path.
        for (std::size_t i = 0; i < run.size(); ++i) {
            ApplyOne(ladder, run[newestFirst ? run.size() - 1 - i : i], true);
        }
        return;
    }
    // The record applied last ends at the index: in undo that is the oldest (stored order),
    // in redo the newest (reverse order).
    std::vector<std::unique_ptr<CLDRow>> rows;
    rows.reserve(run.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        const CUndoRecord& record = run[newestFirst ? i : run.size() - 1 - i];
        if (std::unique_ptr<CLDRow> row = DeserializeUndoRow(record.data)) {
            rows.push_back(std::move(row));
        }
    }
    ladder.InsertRange(static_cast<std::size_t>(index), std::move(rows));
}

}  // namespace

std::vector<std::uint8_t> SerializeUndoCell(const CLDCell& cell) {
    CMemWriteArchive ar(RECORD_GROWTH);
    WriteCell(ar, cell);
    WriteCellOperands(ar, cell);
    return TakeExact(ar);
}

std::vector<std::uint8_t> SerializeUndoRow(const CLDRow& row) {
    CMemWriteArchive ar(RECORD_GROWTH);
    if (!WriteRow(ar, row)) {
        WriteLongComment(ar, row);
    }
    return TakeExact(ar);
}

bool DeserializeUndoCell(const std::vector<std::uint8_t>& data, CLDCell& cell) {
    CMemReadArchive ar(data);
    return ReadCell(ar, cell) && ReadCellOperands(ar, cell);
}

std::unique_ptr<CLDRow> DeserializeUndoRow(const std::vector<std::uint8_t>& data) {
    CMemReadArchive ar(data);
    if (IsLongComment(data)) {
        return ReadLongComment(ar);
    }
    return ReadRow(ar).row;
}

// --- Recording ----------------------------------------------------------------------------

void CUndoHistory::PrepareUndoPush() {
    if (position_ < Count()) {
        records_.resize(static_cast<std::size_t>(position_));
    }
    if (Count() >= limit_) {
        const std::size_t drop = records_.size() * 2 / 3;
        records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(drop));
    }
    // Never beyond the history, also when this push then records nothing.
    position_ = Count();
}

void CUndoHistory::Append(CUndoRecord record) {
    if (groupPending_) {
        groupPending_ = false;
        record.kind |= UNDO_GROUP_START;
    }
    records_.push_back(std::move(record));
    position_ = Count();
}

void CUndoHistory::PushCell(bool inserted, int row, int column, const CLDCell* cell) {
    PrepareUndoPush();
    if (cell == nullptr || cell->IsEmpty()) {
        return;
    }
    Append(CUndoRecord{SerializeUndoCell(*cell), UNDO_CELL | (inserted ? UNDO_INSERTED : 0), row,
                       column});
}

void CUndoHistory::PushRow(bool inserted, int row, const CLDRow& rowObject) {
    PushRowData(inserted, row, SerializeUndoRow(rowObject));
}

void CUndoHistory::PushRowData(bool inserted, int row, std::vector<std::uint8_t> data) {
    PrepareUndoPush();
    Append(CUndoRecord{std::move(data), UNDO_ROW | (inserted ? UNDO_INSERTED : 0), row, 0});
}

void CUndoHistory::PushLine(bool inserted, int row, int column) {
    PrepareUndoPush();
    Append(CUndoRecord{{}, UNDO_VLINE | (inserted ? UNDO_INSERTED : 0), row, column});
}

void CUndoHistory::Clear() {
    records_.clear();
    position_ = 0;
    groupPending_ = false;
}

std::size_t CUndoHistory::DataBytes() const {
    return std::accumulate(records_.begin(), records_.end(), std::size_t{0},
                           [](std::size_t sum, const CUndoRecord& r) { return sum + r.Length(); });
}

// --- Undo and redo ------------------------------------------------------------------------

bool CUndoHistory::Undo(CLadder& ladder) {
    if (!CanUndo()) {
        return false;
    }
    for (;;) {
        const int end = position_;
        --position_;
        if (records_[static_cast<std::size_t>(position_)].Type() == UNDO_ROW) {
            // Take in the older records of the run the loop would reach anyway.
            while (position_ > 0 && !records_[static_cast<std::size_t>(position_)].GroupStart() &&
                   SameRowRun(records_[static_cast<std::size_t>(position_) - 1],
                              records_[static_cast<std::size_t>(position_)])) {
                --position_;
            }
            std::span<const CUndoRecord> run(records_.data() + position_,
                                             static_cast<std::size_t>(end - position_));
            ApplyRowRun(ladder, run, !run.front().Inserted(), true);
        } else {
            const CUndoRecord& record = records_[static_cast<std::size_t>(position_)];
            ApplyOne(ladder, record, !record.Inserted());
        }
        if (position_ == 0 || records_[static_cast<std::size_t>(position_)].GroupStart()) {
            return true;
        }
    }
}

bool CUndoHistory::Redo(CLadder& ladder) {
    if (!CanRedo()) {
        return false;
    }
    for (;;) {
        const int first = position_;
        const CUndoRecord& record = records_[static_cast<std::size_t>(first)];
        ++position_;
        if (record.Type() == UNDO_ROW) {
            while (position_ < Count() &&
                   !records_[static_cast<std::size_t>(position_)].GroupStart() &&
                   SameRowRun(record, records_[static_cast<std::size_t>(position_)])) {
                ++position_;
            }
            std::span<const CUndoRecord> run(records_.data() + first,
                                             static_cast<std::size_t>(position_ - first));
            ApplyRowRun(ladder, run, record.Inserted(), false);
        } else {
            ApplyOne(ladder, record, record.Inserted());
        }
        if (position_ == Count() || records_[static_cast<std::size_t>(position_)].GroupStart()) {
            return true;
        }
    }
}

}  // namespace varno
