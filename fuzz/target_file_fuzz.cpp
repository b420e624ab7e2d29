// The target file reader of the import on arbitrary bytes. A file it accepts must give what
// the import writes: a sound parameter section, comments and version information that write
// and read back the same, and a ladder file whose every row reads.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "comments/compiled_comments.h"
#include "model/ladder_file.h"
#include "model/ladder_list.h"
#include "target/target_reader.h"

using namespace varno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why;
    std::optional<CTargetImage> image = ReadTargetFile(std::span(data, size), &why);
    if (!image) {
        if (why.empty()) {
            std::abort();
        }
        return 0;
    }
    if (image->paramFile && !ParamSectionSound(std::span(
                                reinterpret_cast<const std::uint8_t*>(image->paramFile->data()),
                                image->paramFile->size()))) {
        std::abort();
    }
    CMemReadArchive ladder(image->ladderFile);
    std::optional<std::uint16_t> rows = ReadLadderHeader(ladder);
    if (!rows) {
        std::abort();
    }
    for (int i = 0; i < *rows; ++i) {
        if (!ReadRow(ladder).row) {
            std::abort();
        }
    }
    if (ladder.Remaining() != 0) {
        std::abort();
    }
    CLadderList programs;
    CMemReadArchive set(image->ladderFile);
    if (!ReadProgramSet(set, programs)) {
        std::abort();
    }
    if (!CompiledCommentsRefusal(image->comments)) {
        const std::vector<std::uint8_t> section = CompiledCommentBytes(image->comments);
        CCommentList again;
        CMemReadArchive back(section);
        if (!ReadCompiledComments(back, again) ||
            again.FormatCommentFile() != image->comments.FormatCommentFile()) {
            std::abort();
        }
    }
    return 0;
}
