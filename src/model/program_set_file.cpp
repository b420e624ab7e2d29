// The program set file: every program of a project in one ladder file.
#include <new>
#include <unordered_set>

#include "model/address.h"
#include "model/catalog.h"
#include "model/ladder_file.h"
#include "model/ladder_list.h"
#include "model/parallel_row_read.h"
#include "platform/atomic_file.h"

namespace varno {

namespace {

// Cuts the row stream into programs; false when a row could not be read. nextRow gives the
// rows in file order. The records of the rows of every closed program go to `kept` when given.
template <class NextRow>
bool ReadPrograms(NextRow nextRow, int rowCount, std::vector<std::unique_ptr<CLadder>>& closed,
                  std::unordered_map<const CLadder*, CLoadedRows::CRecords>* kept) {
    std::unique_ptr<CLadder> current;
    CLoadedRows::CRecords records;
    bool fresh = false;
    for (int i = 0; i < rowCount; ++i) {
        if (!current) {
            current = std::make_unique<CLadder>();
            records.clear();
            fresh = true;
        }
        CRowRead read = nextRow(i);
        if (!read.row) {
            return false;
        }
        // The blank row kept at the end of the program before.
        if (fresh && !read.row->IsComment() && read.row->IsEmpty()) {
            continue;
        }
        fresh = false;
        CLDRow& row = current->AppendRow(std::move(read.row));
        if (kept != nullptr) {
            records.push_back(read.record);
        }
        bool close = false;
        switch (read.marker) {
            case FUNC_END1:
                current->SetName(LoadString(IDS_LEVEL1));
                close = true;
                break;
            case FUNC_END2:
                current->SetName(LoadString(IDS_LEVEL2));
                close = true;
                break;
            case FUNC_SP:
                if (const CLDCell* sp = row.FindSubprogramHead(); sp && !sp->Operands().empty()) {
                    current->SetName(FormatOperand(sp->Operands()[0], false));
                }
                break;
            case FUNC_SPE:
                close = true;
                break;
            default:
                break;
        }
        if (close) {
            current->InsertRow(current->RowCount());
            if (kept != nullptr) {
                records.emplace_back();
                kept->insert_or_assign(current.get(), std::move(records));
            }
            closed.push_back(std::move(current));
        }
    }
    return true;
}

// Moves the closed programs into the list; only the records of programs it kept stay.
void AddPrograms(std::vector<std::unique_ptr<CLadder>> closed, CLadderList& list,
                 CLoadedRows* loaded) {
    list.ReplaceAndAddAll(std::move(closed));
    if (loaded == nullptr) {
        return;
    }
    std::unordered_set<const CLadder*> inList;
    for (const CLadder& program : list) {
        inList.insert(&program);
    }
    std::erase_if(loaded->programs, [&](const auto& read) { return !inList.contains(read.first); });
}

// Reads the programs into the list, `loaded` (when given) getting their records.
template <class NextRow>
bool ReadIntoList(NextRow nextRow, int rowCount, CLadderList& list, CLoadedRows* loaded) {
    std::vector<std::unique_ptr<CLadder>> closed;
    bool complete = false;
    try {
        complete = ReadPrograms(nextRow, rowCount, closed, loaded ? &loaded->programs : nullptr);
    } catch (const std::bad_alloc&) {
        complete = false;
    }
    AddPrograms(std::move(closed), list, loaded);
    return complete;
}

// Ladder files up to this size are read into memory at once; a larger one (only possible with
// huge comment rows) is streamed.
constexpr std::uint64_t MAX_BUFFERED_FILE = 256u << 20;

// The whole file's bytes in memory, which lets large row streams be read on several threads.
bool ReadProgramSetBytes(std::span<const std::uint8_t> bytes, CLadderList& list,
                         CLoadedRows* loaded) {
    CMemReadArchive ar(bytes);
    std::optional<std::uint16_t> rowCount = ReadLadderHeader(ar);
    if (!rowCount) {
        return false;
    }
    std::optional<std::vector<CRowRead>> ahead =
        ReadRowsInParallel(bytes.subspan(ar.Position()), *rowCount);
    if (ahead) {
        return ReadIntoList([&](int i) { return std::move((*ahead)[static_cast<std::size_t>(i)]); },
                            *rowCount, list, loaded);
    }
    return ReadIntoList([&](int) { return ReadRowKeepingRecord(ar); }, *rowCount, list, loaded);
}

}  // namespace

const CLoadedRows::CRecords* CLoadedRows::Records(const CLadder& program) const {
    const auto found = programs.find(&program);
    return found == programs.end() ? nullptr : &found->second;
}

bool ReadProgramSet(CArchive& ar, CLadderList& list) {
    std::optional<std::uint16_t> rowCount = ReadLadderHeader(ar);
    return rowCount && ReadIntoList([&](int) { return ReadRow(ar); }, *rowCount, list, nullptr);
}

bool ReadProgramSet(const std::string& path, CLadderList& list, CLoadedRows* loaded) {
    if (loaded != nullptr) {
        *loaded = {};
    }
    std::unique_ptr<CFileArchive> file =
        CFileArchive::Open(path, CFileArchive::Mode::Read, CFileArchive::DEFAULT_BUFFER);
    if (!file) {
        return false;
    }
    if (file->Remaining() > MAX_BUFFERED_FILE) {
        return ReadProgramSet(*file, list);
    }
    std::optional<std::string> bytes = file->ReadBytes(static_cast<std::size_t>(file->Remaining()));
    return bytes && ReadProgramSetFromBytes(std::move(*bytes), list, loaded);
}

bool ReadProgramSetFromBytes(std::string bytes, CLadderList& list, CLoadedRows* loaded) {
    if (loaded != nullptr) {
        *loaded = {};
    }
    // The records point into the bytes, which the caller keeps with them.
    const std::string& kept = loaded ? (loaded->bytes = std::move(bytes)) : bytes;
    return ReadProgramSetBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(kept.data()), kept.size()), list, loaded);
}

namespace {

// Why the list cannot be written, if it cannot.
std::optional<StrId> Refusal(const CLadderList& list) {
    if (list.TotalRows() > static_cast<std::uint64_t>(LADDER_FILE_MAX_ROWS)) {
        return IDS_LADDER_TOO_MANY_ROWS;
    }
    for (const CLadder& program : list) {
        for (const CLDRow& row : program) {
            if (!RowFitsFile(row)) {
                return IDS_COMMENT_TOO_LONG;
            }
        }
    }
    return std::nullopt;
}

bool Refuse(StrId reason, StrId* why) {
    if (why != nullptr) {
        *why = reason;
    }
    return false;
}

void WriteRows(CArchive& ar, const CLadderList& list) {
    WriteLadderHeader(ar, static_cast<std::uint16_t>(list.TotalRows()));
    for (const CLadder& program : list) {
        for (const CLDRow& row : program) {
            WriteRow(ar, row);
        }
    }
}

}  // namespace

bool WriteProgramSet(CArchive& ar, const CLadderList& list, StrId* why) {
    if (std::optional<StrId> reason = Refusal(list)) {
        return Refuse(*reason, why);
    }
    WriteRows(ar, list);
    return true;
}

bool WriteProgramSet(const std::string& path, const CLadderList& list, StrId* why) {
    if (std::optional<StrId> reason = Refusal(list)) {
        return Refuse(*reason, why);
    }
    std::unique_ptr<CAtomicFile> file;
    try {
        file = std::make_unique<CAtomicFile>(path, CFileArchive::DEFAULT_BUFFER);
    } catch (const CFileException&) {
        return Refuse(IDS_LADDER_CANNOT_CREATE, why);
    }
    WriteRows(file->Archive(), list);
    file->Commit();
    return true;
}

}  // namespace varno
