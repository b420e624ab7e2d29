#include "model/ladder_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <vector>

#include "model/catalog.h"

namespace varno {

namespace {

struct CRowHeader {
    std::uint8_t tag = 0;
    std::uint8_t zero[3] = {};
    std::uint32_t value = 0;
};
static_assert(sizeof(CRowHeader) == 8);

bool IsRunKind(std::uint8_t kind) {
    return kind == LDCMD_NONE || kind == LDCMD_HLINE;
}

bool IsMarker(const CLDCell& cell) {
    if (!cell.IsFunc()) {
        return false;
    }
    switch (cell.Code()) {
        case FUNC_END1:
        case FUNC_END2:
        case FUNC_SP:
        case FUNC_SPE:
            return true;
        default:
            return false;
    }
}

// The cell records of an element row: runs of empty cells and of wires joined. At most one a
// cell, so they live on the stack: rows are written by the tens of thousands.
struct CCellRecords {
    std::array<CLDCmd, LADDER_WIDTH> records;
    std::size_t count = 0;

    std::span<const CLDCmd> Span() const { return std::span(records.data(), count); }
};

CCellRecords CellRecords(const CLDRow& row) {
    CCellRecords out;
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        CLDCmd cmd = row.Cell(c)->Element();
        if (out.count > 0 && IsRunKind(cmd.kind) && out.records[out.count - 1].kind == cmd.kind &&
            out.records[out.count - 1].vline == cmd.vline) {
            ++out.records[out.count - 1].operand;
            continue;
        }
        if (IsRunKind(cmd.kind)) {
            cmd.operand = 1;
        } else if (cmd.kind == LDCMD_FUNC) {
            cmd.operand = 0;
        }
        out.records[out.count++] = cmd;
    }
    return out;
}

std::uint64_t OperandRecordCount(const CLDRow& row) {
    std::uint64_t count = 0;
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        count += row.Cell(c)->Operands().size();
    }
    return count;
}

std::string CutAtZero(std::string text) {
    std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
    return text;
}

bool TextFits(const std::string& text) {
    return text.size() <= COMMENT_MAX_BYTES && text.find('\0') == std::string::npos;
}

}  // namespace

void WriteLadderHeader(CArchive& ar, std::uint16_t rowCount) {
    std::array<std::uint8_t, LADDER_HEADER_SIZE> header{};
    std::memcpy(header.data(), LADDER_MAGIC, 4);
    PutLe<std::uint16_t>(&header[4], LADDER_HEADER_SIZE);
    PutLe<std::uint16_t>(&header[6], LADDER_FILE_VERSION);
    PutLe<std::uint16_t>(&header[16], rowCount);
    PutLe<std::uint16_t>(&header[18], LADDER_WIDTH);
    PutLe<std::uint32_t>(&header[20], 8);
    PutLe<std::uint32_t>(&header[24], 4);
    ar.Write(header.data(), header.size());
}

std::optional<std::uint16_t> ReadLadderHeader(CArchive& ar) {
    std::array<std::uint8_t, LADDER_HEADER_SIZE> header{};
    if (!ar.ReadExact(header.data(), header.size()) ||
        std::memcmp(header.data(), LADDER_MAGIC, 4) != 0) {
        return std::nullopt;
    }
    std::uint16_t version = 0;
    std::uint16_t rowCount = 0;
    std::memcpy(&version, &header[6], 2);
    std::memcpy(&rowCount, &header[16], 2);
    if (version > LADDER_FILE_VERSION) {
        return std::nullopt;
    }
    return rowCount;
}

// --- Cells --------------------------------------------------------------------------------

bool ReadCell(CArchive& ar, CLDCell& cell) {
    CLDCmd cmd;
    if (!ar.ReadValue(cmd)) {
        return false;
    }
    CDetachedCellEdits detached;
    cell.SetElement(cmd);
    return true;
}

void WriteCell(CArchive& ar, const CLDCell& cell) {
    ar.WriteValue(cell.Element());
}

bool ReadCellOperands(CArchive& ar, CLDCell& cell) {
    if (!cell.IsFunc()) {
        return true;
    }
    CDetachedCellEdits detached;
    const std::size_t catalogCount = static_cast<std::size_t>(FuncOperandCount(cell.Code()));
    auto readRecords = [&](std::vector<CLDCmd>& records, std::size_t count) {
        if (count > ar.Remaining() / sizeof(CLDCmd)) {
            return false;
        }
        std::size_t had = records.size();
        records.resize(had + count);
        return ar.ReadExact(records.data() + had, count * sizeof(CLDCmd));
    };
    // The thread's own list, kept from block to block: a large program has thousands.
    thread_local std::vector<CLDCmd> records;
    records.clear();
    if (!readRecords(records, catalogCount)) {
        return false;
    }
    // The table length comes from the records just read, exactly as the writer counted it.
    const int tableLength = FuncTableLength(cell.Element(), records);
    if (!readRecords(records, static_cast<std::size_t>(tableLength))) {
        return false;
    }
    return cell.SetOperands(records);
}

void WriteCellOperands(CArchive& ar, const CLDCell& cell) {
    std::span<const CLDCmd> ops = cell.Operands();
    if (!ops.empty()) {
        ar.Write(ops.data(), ops.size_bytes());
    }
}

// --- Rows ---------------------------------------------------------------------------------

std::unique_ptr<CLDRow> ReadCommentRow(CArchive& ar, std::uint32_t value) {
    std::optional<std::string> text1 = ar.ReadBytes(value & 0xFFFF);
    if (!text1) {
        return nullptr;
    }
    std::optional<std::string> text2 = ar.ReadBytes(value >> 16);
    if (!text2) {
        return nullptr;
    }
    return std::make_unique<CLDRow>(CutAtZero(std::move(*text1)), CutAtZero(std::move(*text2)));
}

namespace {

bool PaddingIsZero(const CRowHeader& header) {
    return header.zero[0] == 0 && header.zero[1] == 0 && header.zero[2] == 0;
}

// Reads an element row and notes whether its record is exactly the one AppendRow writes for
// it: runs as long as the writer joins them, heads with operand 0, header padding zero and the
// record count the one read.
template <class Archive>
CRowRead ReadElementRow(Archive& ar, const CRowHeader& header) {
    CRowRead result;
    auto row = std::make_unique<CLDRow>();
    int marker = 0;
    bool asWritten = PaddingIsZero(header);
    std::uint64_t records = 0;
    CLDCmd previous;  // the record before, when it was a run
    bool afterRun = false;
    for (int a = 0; a < LADDER_WIDTH; ++a) {
        CLDCell& cell = *row->Cell(a);
        CLDCmd cmd;
        if (!ar.ReadValue(cmd)) {
            return result;
        }
        cell.SetElement(cmd);
        ++records;
        const bool run = IsRunKind(cmd.kind);
        if (run && cmd.operand >= 2 && cmd.operand <= LADDER_WIDTH) {
            const int last = std::min(a + static_cast<int>(cmd.operand) - 1, LADDER_WIDTH - 1);
            CLDCmd follower;
            follower.kind = cmd.kind;
            follower.vline = cmd.vline;
            follower.code = cmd.code;
            for (int b = a + 1; b <= last; ++b) {
                row->Cell(b)->SetElement(follower);
            }
            asWritten = asWritten && cmd.operand == static_cast<std::uint32_t>(last - a + 1);
            a = last;
        } else if (run) {
            asWritten = asWritten && cmd.operand == 1;
        } else if (IsMarker(cell)) {
            marker = cell.Code();
        }
        asWritten = asWritten &&
                    !(run && afterRun && previous.kind == cmd.kind && previous.vline == cmd.vline);
        asWritten = asWritten && (cmd.kind != LDCMD_FUNC || cmd.operand == 0);
        afterRun = run;
        previous = cmd;
    }
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        CLDCell& cell = *row->Cell(c);
        if (cell.IsFunc() && !ReadCellOperands(ar, cell)) {
            return result;
        }
        // A head keeps every record it reads.
        records += cell.Operands().size();
    }
    result.row = std::move(row);
    result.marker = marker;
    result.asWritten = asWritten && records == header.value;
    return result;
}

template <class Archive>
CRowRead ReadRowFrom(Archive& ar) {
    CRowHeader header;
    if (!ar.ReadValue(header)) {
        return {};
    }
    if (header.tag == ROW_TAG_COMMENT) {
        CRowRead result;
        result.row = ReadCommentRow(ar, header.value);
        result.marker = result.row ? 0 : -1;
        // Texts cut at a zero byte, or too long for the writer, are written otherwise.
        result.asWritten = result.row && PaddingIsZero(header) && RowFitsFile(*result.row) &&
                           result.row->Comment(1).size() == (header.value & 0xFFFF) &&
                           result.row->Comment(2).size() == (header.value >> 16);
        return result;
    }
    if (header.tag == ROW_TAG_ELEMENTS) {
        CDetachedCellEdits detached;
        return ReadElementRow(ar, header);
    }
    return {};
}

}  // namespace

CRowRead ReadRow(CArchive& ar) {
    return ReadRowFrom(ar);
}

CRowRead ReadRowKeepingRecord(CMemReadArchive& ar) {
    const std::size_t start = ar.Position();
    CRowRead read = ReadRowFrom(ar);
    if (read.asWritten) {
        read.record = ar.Since(start);
    }
    return read;
}

bool RowFitsFile(const CLDRow& row) {
    return !row.IsComment() || (TextFits(row.Comment(1)) && TextFits(row.Comment(2)));
}

bool AppendRow(std::vector<std::uint8_t>& out, const CLDRow& row) {
    if (!RowFitsFile(row)) {
        return false;
    }
    const std::size_t at = out.size();
    CRowHeader header;
    if (row.IsComment()) {
        const std::string& text1 = row.Comment(1);
        const std::string& text2 = row.Comment(2);
        header.tag = ROW_TAG_COMMENT;
        header.value = static_cast<std::uint32_t>(text2.size() << 16 | text1.size());
        out.resize(at + sizeof header + text1.size() + text2.size());
        std::uint8_t* put = out.data() + at;
        std::memcpy(put, &header, sizeof header);
        std::memcpy(put + sizeof header, text1.data(), text1.size());
        std::memcpy(put + sizeof header + text1.size(), text2.data(), text2.size());
        return true;
    }
    const CCellRecords records = CellRecords(row);
    const std::uint64_t operands = OperandRecordCount(row);
    header.tag = ROW_TAG_ELEMENTS;
    header.value = static_cast<std::uint32_t>(records.count + operands);
    out.resize(at + sizeof header + sizeof(CLDCmd) * (records.count + operands));
    std::uint8_t* put = out.data() + at;
    std::memcpy(put, &header, sizeof header);
    put += sizeof header;
    std::memcpy(put, records.Span().data(), records.Span().size_bytes());
    put += records.Span().size_bytes();
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const std::span<const CLDCmd> ops = row.Cell(c)->Operands();
        if (!ops.empty()) {
            std::memcpy(put, ops.data(), ops.size_bytes());
            put += ops.size_bytes();
        }
    }
    return true;
}

bool WriteRow(CArchive& ar, const CLDRow& row) {
    // The thread's own buffer, kept from row to row: a program is written row by row.
    thread_local std::vector<std::uint8_t> bytes;
    bytes.clear();
    if (!AppendRow(bytes, row)) {
        return false;
    }
    ar.Write(bytes.data(), bytes.size());
    return true;
}

std::uint64_t RowRecordSize(const CLDRow& row) {
    if (row.IsComment()) {
        return sizeof(CRowHeader) + row.Comment(1).size() + row.Comment(2).size();
    }
    return sizeof(CRowHeader) + sizeof(CLDCmd) * (CellRecords(row).count + OperandRecordCount(row));
}

// --- Program file ---------------------------------------------------------------------------

bool ReadProgramFile(CArchive& ar, CLadder& program) {
    std::optional<std::uint16_t> rowCount = ReadLadderHeader(ar);
    if (!rowCount) {
        return false;
    }
    for (int i = 0; i < *rowCount; ++i) {
        CRowRead read = ReadRow(ar);
        if (!read.row) {
            return false;
        }
        program.AppendRow(std::move(read.row));
    }
    return true;
}

bool WriteProgramFile(CArchive& ar, const CLadder& program, StrId* why) {
    if (program.RowCount() > LADDER_FILE_MAX_ROWS) {
        if (why != nullptr) {
            *why = IDS_LADDER_TOO_MANY_ROWS;
        }
        return false;
    }
    for (const CLDRow& row : program) {
        if (!RowFitsFile(row)) {
            if (why != nullptr) {
                *why = IDS_COMMENT_TOO_LONG;
            }
            return false;
        }
    }
    WriteLadderHeader(ar, static_cast<std::uint16_t>(program.RowCount()));
    for (const CLDRow& row : program) {
        WriteRow(ar, row);
    }
    return true;
}

}  // namespace varno
