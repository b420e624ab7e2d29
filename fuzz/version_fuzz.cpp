// The version file and the version block on arbitrary bytes. A file read, written and read
// again gives the same entries (a line 2 ending in CR is the one text the LF-only file cannot
// hold); a block that reads is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/version_array.h"

using namespace varno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    CVersionArray file;
    file.ParseVersionFile(bytes);
    CVersionArray again;
    again.ParseVersionFile(file.FormatVersionFile());
    for (int i = 0; i < CVersionArray::COUNT; ++i) {
        std::string expected = file.GetVersionLine(i, 1);
        if (expected.ends_with('\r')) {
            expected.pop_back();
        }
        if (again.GetVersionLine(i, 0) != file.GetVersionLine(i, 0) ||
            again.GetVersionLine(i, 1) != expected) {
            std::abort();
        }
    }

    CVersionArray block;
    block.GetVersionLine(0, 0) = "unchanged";
    CMemReadArchive in(bytes);
    if (!block.ReadVersionBlock(in)) {
        if (block.GetVersionLine(0, 0) != "unchanged") {
            std::abort();
        }
        return 0;
    }
    CMemWriteArchive out;
    block.WriteVersionBlock(out);
    CMemReadArchive back(std::span(out.Data()));
    CVersionArray reread;
    if (!reread.ReadVersionBlock(back) || !(reread == block) || back.Remaining() != 0) {
        std::abort();
    }
    return 0;
}
