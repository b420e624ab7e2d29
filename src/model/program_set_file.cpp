// The program set file: every program of a project in one ladder file.
#include <new>

#include "model/address.h"
#include "model/catalog.h"
#include "model/ladder_file.h"
#include "model/ladder_list.h"
#include "platform/atomic_file.h"

namespace varno {

namespace {

// Cuts the row stream into programs; false when a row could not be read.
bool ReadPrograms(CArchive& ar, int rowCount, std::vector<std::unique_ptr<CLadder>>& closed) {
    std::unique_ptr<CLadder> current;
    bool fresh = false;
    for (int i = 0; i < rowCount; ++i) {
        if (!current) {
            current = std::make_unique<CLadder>();
            fresh = true;
        }
        CRowRead read = ReadRow(ar);
        if (!read.row) {
            return false;
        }
        // The blank row kept at the end of the program before.
        if (fresh && !read.row->IsComment() && read.row->IsEmpty()) {
            continue;
        }
        fresh = false;
        CLDRow& row = current->AppendRow(std::move(read.row));
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
            closed.push_back(std::move(current));
        }
    }
    return true;
}

}  // namespace

bool ReadProgramSet(CArchive& ar, CLadderList& list) {
    std::optional<std::uint16_t> rowCount = ReadLadderHeader(ar);
    if (!rowCount) {
        return false;
    }
    std::vector<std::unique_ptr<CLadder>> closed;
    bool complete = false;
    try {
        complete = ReadPrograms(ar, *rowCount, closed);
    } catch (const std::bad_alloc&) {
        complete = false;
    }
    list.ReplaceAndAddAll(std::move(closed));
    return complete;
}

bool ReadProgramSet(const std::string& path, CLadderList& list) {
    std::unique_ptr<CFileArchive> ar =
        CFileArchive::Open(path, CFileArchive::Mode::Read, CFileArchive::DEFAULT_BUFFER);
    return ar && ReadProgramSet(*ar, list);
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
