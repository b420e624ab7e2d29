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

bool ReadProgramSet(const std::string& path, CLadderList& list) {
    std::unique_ptr<CFileArchive> ar =
        CFileArchive::Open(path, CFileArchive::Mode::Read, CFileArchive::DEFAULT_BUFFER);
    if (!ar) {
        return false;
    }
    std::optional<std::uint16_t> rowCount = ReadLadderHeader(*ar);
    if (!rowCount) {
        return false;
    }
    std::vector<std::unique_ptr<CLadder>> closed;
    bool complete = false;
    try {
        complete = ReadPrograms(*ar, *rowCount, closed);
    } catch (const std::bad_alloc&) {
        complete = false;
    }
    list.ReplaceAndAddAll(std::move(closed));
    return complete;
}

bool WriteProgramSet(const std::string& path, const CLadderList& list, StrId* why) {
    auto refuse = [&](StrId reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return false;
    };
    if (list.TotalRows() > static_cast<std::uint64_t>(LADDER_FILE_MAX_ROWS)) {
        return refuse(IDS_LADDER_TOO_MANY_ROWS);
    }
    for (const CLadder& program : list) {
        for (const CLDRow& row : program) {
            if (!RowFitsFile(row)) {
                return refuse(IDS_COMMENT_TOO_LONG);
            }
        }
    }
    std::unique_ptr<CAtomicFile> file;
    try {
        file = std::make_unique<CAtomicFile>(path, CFileArchive::DEFAULT_BUFFER);
    } catch (const CFileException&) {
        return refuse(IDS_LADDER_CANNOT_CREATE);
    }
    CArchive& ar = file->Archive();
    WriteLadderHeader(ar, static_cast<std::uint16_t>(list.TotalRows()));
    for (const CLadder& program : list) {
        for (const CLDRow& row : program) {
            WriteRow(ar, row);
        }
    }
    file->Commit();
    return true;
}

}  // namespace varno
