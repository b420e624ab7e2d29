// The program set reader on arbitrary bytes: the programs it keeps must have unique names in
// key order and survive a write and a second read unchanged. Read from memory, as files are,
// they come out the same, and every row record it keeps is the one the writer gives the row.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "model/ladder_file.h"
#include "model/ladder_list.h"

using namespace varno;

namespace {

std::string Write(const CLadderList& list) {
    CMemWriteArchive ar;
    if (!WriteProgramSet(ar, list)) {
        std::abort();
    }
    return std::string(ar.Data().begin(), ar.Data().end());
}

std::string Names(const CLadderList& list) {
    std::string names;
    std::set<std::string> seen;
    int key = -3;
    for (const CLadder& program : list) {
        if (!seen.insert(program.Name()).second || ProgramOrderKey(program.Name()) < key) {
            std::abort();
        }
        key = ProgramOrderKey(program.Name());
        names += program.Name() + '\n';
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemReadArchive ar(std::span<const std::uint8_t>(data, size));
    CLadderList list;
    ReadProgramSet(ar, list);
    const std::string names = Names(list);
    // Each closed program gains a blank row, so a full file without them may not fit again.
    if (list.TotalRows() > static_cast<std::uint64_t>(LADDER_FILE_MAX_ROWS)) {
        return 0;
    }

    CLadderList fromBytes;
    CLoadedRows loaded;
    ReadProgramSetFromBytes(std::string(data, data + size), fromBytes, &loaded);
    if (Names(fromBytes) != names) {
        std::abort();
    }
    for (const CLadder& program : fromBytes) {
        const auto* records = loaded.Records(program);
        if (records == nullptr || records->size() != static_cast<std::size_t>(program.RowCount())) {
            std::abort();
        }
        int index = 0;
        for (const CLDRow& row : program) {
            const std::span<const std::uint8_t> record =
                (*records)[static_cast<std::size_t>(index++)];
            std::vector<std::uint8_t> written;
            if (!record.empty() &&
                (!AppendRow(written, row) || !std::ranges::equal(written, record))) {
                std::abort();
            }
        }
    }

    const std::string first = Write(list);
    CMemReadArchive again(first);
    CLadderList back;
    if (!ReadProgramSet(again, back) || Names(back) != names || Write(back) != first ||
        Write(fromBytes) != first) {
        std::abort();
    }
    return 0;
}
