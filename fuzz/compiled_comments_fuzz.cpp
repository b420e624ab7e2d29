// The compiled comment section reader on arbitrary bytes: a refused section leaves the list
// as it was; an accepted one consumes exactly its size, and its items write and read back the
// same.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "comments/compiled_comments.h"

using namespace varno;

namespace {

std::vector<CCommentItem> AllItems(const CCommentList& list) {
    std::vector<CCommentItem> items;
    for (const auto& group : list.Groups()) {
        items.insert(items.end(), group->Items().begin(), group->Items().end());
    }
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CCommentList list;
    const LDADDR marker{'C', -1, 4};
    list.AddOrReplace({marker, "KEEP", "", ""});
    CMemReadArchive ar(std::span(data, size));
    if (!ReadCompiledComments(ar, list)) {
        if (list.TotalCount() != 1 || list.FindItem(marker)->symbol != "KEEP") {
            std::abort();
        }
        return 0;
    }
    std::uint32_t sectionSize = 0;
    std::memcpy(&sectionSize, data + 8, 4);
    if (ar.Position() != sectionSize) {
        std::abort();
    }
    // Items read back with a zero byte cannot exist; the count fits since it came from 16 bits.
    if (CompiledCommentsRefusal(list)) {
        std::abort();
    }
    const std::vector<std::uint8_t> written = CompiledCommentBytes(list);
    CCommentList again;
    CMemReadArchive back(written);
    if (!ReadCompiledComments(back, again) || back.Remaining() != 0) {
        std::abort();
    }
    std::vector<CCommentItem> first = AllItems(list);
    std::vector<CCommentItem> second = AllItems(again);
    // Items whose texts are all empty are not written.
    std::erase_if(first, [](const CCommentItem& item) {
        return item.symbol.empty() && item.comment1.empty() && item.comment2.empty();
    });
    if (first != second || CompiledCommentBytes(again) != written) {
        std::abort();
    }
    return 0;
}
