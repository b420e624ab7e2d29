#include "target/target_writer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/ladder_file.h"
#include "platform/codepage.h"
#include "target/target_reader.h"

namespace varno {

namespace {

constexpr char PLC_TAG[4] = {'P', 'L', 'C', '\0'};
constexpr char EXE_TAG[4] = {'E', 'X', 'E', '\0'};
constexpr char LAD_TAG[4] = {'L', 'A', 'D', '\0'};
constexpr std::uint32_t PROGRAM_ENTRY_VALUE = 64;

// The index byte of an element row: its extent; of a comment row: its height again.
int RowIndexExtent(const CLDRow& row) {
    return row.IsComment() ? row.DisplayHeight() : row.Extent();
}

bool VersionHasZero(const CVersionArray& versions) {
    for (const CVersionItemData& entry : versions.Entries()) {
        if (entry.line1.find('\0') != std::string::npos ||
            entry.line2.find('\0') != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Why the row cannot go into a target file, as an output line; nullopt when it fits. written
// says whether the row's record could be written (a comment row with a zero byte or an
// overlong text cannot), size is its record length, high the larger of its display height and
// index extent.
std::optional<std::string> RowRefusal(const CLadder& program, int index, const CLDRow& row,
                                      bool written, std::uint64_t size, int high) {
    const char* name = program.Name().c_str();
    // A text that reads back shorter; overlong texts fail the length check below. A row that
    // was written holds no zero byte.
    if (!written && (row.Comment(1).find('\0') != std::string::npos ||
                     row.Comment(2).find('\0') != std::string::npos)) {
        return Format(LoadString(IDS_TARGET_ROW_ZERO_BYTE).c_str(), name, index);
    }
    if (size > TARGET_MAX_ROW_BYTES) {
        return Format(LoadString(IDS_TARGET_ROW_TOO_LONG).c_str(), name, index,
                      static_cast<unsigned long long>(size));
    }
    if (high > TARGET_MAX_ROW_HEIGHT) {
        return Format(LoadString(IDS_TARGET_ROW_TOO_HIGH).c_str(), name, index, high);
    }
    return std::nullopt;
}

void WriteLadderSectionHeader(CArchive& ar, std::uint16_t rows, std::uint16_t count) {
    const std::uint32_t start = TARGET_LADDER_HEADER_SIZE + TARGET_PROGRAM_ENTRY_SIZE * count +
                                TARGET_ROW_ENTRY_SIZE * std::uint32_t{rows};
    std::array<std::uint8_t, TARGET_LADDER_HEADER_SIZE> header{};
    std::memcpy(header.data(), LAD_TAG, 4);
    PutLe<std::uint16_t>(&header[4], TARGET_LADDER_HEADER_SIZE);
    PutLe<std::uint16_t>(&header[6], TARGET_VERSION);
    PutLe<std::uint32_t>(&header[8], start);
    PutLe<std::uint32_t>(&header[12], start);
    PutLe<std::uint16_t>(&header[16], rows);
    PutLe<std::uint16_t>(&header[18], LADDER_WIDTH);
    PutLe<std::uint16_t>(&header[20], TARGET_PROGRAM_ENTRY_SIZE);
    PutLe<std::uint16_t>(&header[22], count);
    PutLe<std::uint16_t>(&header[24], TARGET_ROW_ENTRY_SIZE);
    PutLe<std::uint16_t>(&header[26], rows);
    ar.Write(header.data(), header.size());
}

}  // namespace

std::vector<std::string> TargetFileRefusals(const CLDCmdList& linked, const CLadderImage& ladder,
                                            const CVersionArray& versions) {
    std::vector<std::string> lines;
    if (linked.GetCount() > TARGET_MAX_INSTRUCTIONS) {
        lines.push_back(Format(LoadString(IDS_TARGET_TOO_MANY_INSTRUCTIONS).c_str(),
                               static_cast<unsigned long long>(linked.GetCount())));
    }
    if (ladder.rows > TARGET_MAX_ROWS) {
        lines.push_back(Format(LoadString(IDS_TARGET_TOO_MANY_ROWS).c_str(),
                               static_cast<unsigned long long>(ladder.rows)));
    }
    if (ladder.rowRefusal) {
        lines.push_back(*ladder.rowRefusal);
    }
    if (VersionHasZero(versions)) {
        lines.push_back(LoadString(IDS_TARGET_VERSION_ZERO_BYTE));
    }
    return lines;
}

std::uint32_t InstructionChecksum(const CLDCmdList& linked) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < linked.GetCount(); ++i) {
        const CLDCmd& cmd = linked[i];
        const auto index = static_cast<std::uint16_t>(i);
        sum += (index & 0xFFu) + (index >> 8) + cmd.kind + cmd.code;
        for (unsigned shift = 0; shift < 32; shift += 8) {
            sum += (cmd.operand >> shift) & 0xFFu;
        }
    }
    return sum;
}

std::uint16_t ProgramCode(const std::string& name) {
    return static_cast<std::uint16_t>(ProgramOrderKey(name));
}

void WriteTargetHeader(CArchive& ar) {
    std::array<std::uint8_t, TARGET_HEADER_SIZE> header{};
    std::memcpy(header.data(), PLC_TAG, 4);
    std::memcpy(&header[4], &TARGET_HEADER_SIZE, 2);
    std::memcpy(&header[6], &TARGET_VERSION, 2);
    ar.Write(header.data(), header.size());
}

void WriteInstructionSection(CArchive& ar, const CLDCmdList& linked) {
    const auto count = static_cast<std::uint32_t>(linked.GetCount());
    ar.Write(EXE_TAG, 4);
    ar.WriteValue(TARGET_HEADER_SIZE);
    ar.WriteValue(TARGET_VERSION);
    ar.WriteValue(static_cast<std::uint32_t>(TARGET_HEADER_SIZE + sizeof(CLDCmd) * count));
    ar.WriteValue(static_cast<std::uint32_t>(TARGET_HEADER_SIZE));
    ar.WriteValue(count);
    ar.WriteValue(InstructionChecksum(linked));
    const std::uint8_t zeros[8] = {};
    ar.Write(zeros, sizeof zeros);
    std::vector<std::uint8_t> records(sizeof(CLDCmd) * count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const CLDCmd& cmd = linked[i];
        std::uint8_t* record = records.data() + sizeof(CLDCmd) * i;
        const auto index = static_cast<std::uint16_t>(i);
        std::memcpy(record, &index, 2);
        record[2] = cmd.kind;
        record[3] = cmd.code;
        std::memcpy(record + 4, &cmd.operand, 4);
    }
    ar.Write(records.data(), records.size());
}

CLadderImage MakeLadderImage(const CLadderList& programs, const CLoadedRows* loaded) {
    CLadderImage image;
    image.rows = programs.TotalRows();
    const auto rows = static_cast<std::uint16_t>(image.rows);
    const auto count = static_cast<std::uint16_t>(programs.GetCount());
    CMemWriteArchive head(TARGET_LADDER_HEADER_SIZE + TARGET_PROGRAM_ENTRY_SIZE * count);
    WriteLadderSectionHeader(head, rows, count);
    for (const CLadder& program : programs) {
        head.WriteValue(ProgramCode(program.Name()));
        head.WriteValue(static_cast<std::uint16_t>(program.RowCount()));
        head.WriteValue(PROGRAM_ENTRY_VALUE);
    }
    image.head = head.TakeData();
    std::size_t entry = image.head.size();
    image.head.resize(entry + TARGET_ROW_ENTRY_SIZE * image.rows);
    // Each row is written once, which gives its length for its entry in the row table (a row
    // the file cannot hold is written as nothing) and for the length check.
    constexpr std::size_t BYTES_PER_ROW = 48;
    image.body.reserve(BYTES_PER_ROW * image.rows);
    for (const CLadder& program : programs) {
        const CLoadedRows::CRecords* records =
            loaded != nullptr ? loaded->Records(program) : nullptr;
        if (records != nullptr && records->size() != static_cast<std::size_t>(program.RowCount())) {
            records = nullptr;
        }
        int index = 0;
        for (const CLDRow& row : program) {
            const std::size_t before = image.body.size();
            const std::span<const std::uint8_t> record =
                records != nullptr ? (*records)[static_cast<std::size_t>(index)]
                                   : std::span<const std::uint8_t>();
            bool written = true;
            if (!record.empty()) {
                image.body.insert(image.body.end(), record.begin(), record.end());
            } else {
                written = AppendRow(image.body, row);
            }
            const std::size_t length = image.body.size() - before;
            const int height = row.DisplayHeight();
            const int extent = RowIndexExtent(row);
            if (!image.rowRefusal) {
                image.rowRefusal =
                    RowRefusal(program, index, row, written, written ? length : RowRecordSize(row),
                               std::max(height, extent));
            }
            PutLe(&image.head[entry], static_cast<std::uint16_t>(length));
            image.head[entry + 2] = static_cast<std::uint8_t>(height);
            image.head[entry + 3] = static_cast<std::uint8_t>(extent);
            entry += TARGET_ROW_ENTRY_SIZE;
            ++index;
        }
    }
    return image;
}

void WriteLadderSection(CArchive& ar, const CLadderImage& image) {
    ar.Write(image.head.data(), image.head.size());
    ar.Write(image.body.data(), image.body.size());
}

void WriteTargetFile(CArchive& ar, const CLDCmdList& linked,
                     const std::optional<std::string>& paramFile,
                     std::span<const std::uint8_t> comments, const CVersionArray& versions,
                     const CLadderImage& ladder) {
    WriteTargetHeader(ar);
    WriteInstructionSection(ar, linked);
    if (paramFile) {
        ar.WriteBytes(*paramFile);
    }
    ar.Write(comments.data(), comments.size());
    versions.WriteVersionBlock(ar);
    WriteLadderSection(ar, ladder);
}

}  // namespace varno
