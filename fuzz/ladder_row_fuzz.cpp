// The row and cell readers that undo records and the clipboard use, on arbitrary bytes: rows
// one after the other until one fails, then single cells with their operands. What was read
// must write out and read back to the same bytes, and a row is flagged as written exactly when
// the writer gives it the bytes it was read from.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/ladder_file.h"

using namespace varno;

namespace {

std::string Bytes(const CMemWriteArchive& ar) {
    return std::string(ar.Data().begin(), ar.Data().end());
}

void CheckRow(const CLDRow& row) {
    CMemWriteArchive out;
    if (!WriteRow(out, row) || RowRecordSize(row) != out.Data().size()) {
        std::abort();
    }
    CMemReadArchive in(out.Data());
    CRowRead back = ReadRow(in);
    CMemWriteArchive again;
    if (!back.row || in.Remaining() != 0 || !WriteRow(again, *back.row) ||
        Bytes(again) != Bytes(out) || back.row->Extent() != row.Extent()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    {
        CMemReadArchive ar(bytes);
        std::size_t start = 0;
        for (CRowRead read = ReadRowKeepingRecord(ar); read.row; read = ReadRowKeepingRecord(ar)) {
            CheckRow(*read.row);
            CMemWriteArchive out;
            const bool same =
                WriteRow(out, *read.row) &&
                std::ranges::equal(out.Data(), bytes.subspan(start, ar.Position() - start));
            if (read.asWritten != same || (same && !std::ranges::equal(read.record, out.Data()))) {
                std::abort();
            }
            start = ar.Position();
        }
    }
    CMemReadArchive ar(bytes);
    CLDCell cell;
    while (ReadCell(ar, cell) && ReadCellOperands(ar, cell)) {
        CMemWriteArchive out;
        WriteCell(out, cell);
        WriteCellOperands(out, cell);
        CMemReadArchive in(out.Data());
        CLDCell back;
        if (!ReadCell(in, back) || !ReadCellOperands(in, back) || in.Remaining() != 0 ||
            !(back.Element() == cell.Element()) ||
            back.Operands().size() != cell.Operands().size()) {
            std::abort();
        }
    }
    return 0;
}
