// The program file reader on arbitrary bytes. Whatever it reads must hold the model's
// invariants, answer the view's and the compiler's queries, and write out bytes that read back
// to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/ladder_file.h"

using namespace varno;

namespace {

std::string Write(const CLadder& ladder) {
    CMemWriteArchive ar;
    if (!WriteProgramFile(ar, ladder)) {
        std::abort();
    }
    return std::string(ar.Data().begin(), ar.Data().end());
}

void CheckInvariants(const CLadder& ladder) {
    for (const CLDRow& row : ladder) {
        for (int c = 0; c < 8 && !row.IsComment(); ++c) {
            const CLDCell& cell = *row.Cell(c);
            if (static_cast<int>(cell.Operands().size()) != FuncRecordCount(cell)) {
                std::abort();
            }
        }
    }
    for (int start = 0; start < ladder.RowCount();) {
        int end = ladder.NetworkEnd(start);
        if (end <= start) {
            std::abort();
        }
        start = end;
    }
    const int rows = ladder.DisplayRowCount();
    for (int y : {0, rows / 2, rows - 1}) {
        for (int x = 0; x < 8; ++x) {
            if (auto info = ladder.Locate(y, x); info && info->row > y) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemReadArchive ar(std::span<const std::uint8_t>(data, size));
    CLadder ladder;
    ReadProgramFile(ar, ladder);
    CheckInvariants(ladder);

    const std::string first = Write(ladder);
    CMemReadArchive again(first);
    CLadder back;
    if (!ReadProgramFile(again, back) || back.RowCount() != ladder.RowCount() ||
        Write(back) != first) {
        std::abort();
    }
    return 0;
}
