// The comment file reader on arbitrary bytes: what it reads, saved and read again, must give
// the same items, less those that hold nothing but comment 2 (the file does not keep them).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "comments/comment_list.h"

using namespace varno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CCommentList first;
    first.ParseCommentFile(bytes);

    CCommentList second;
    second.ParseCommentFile(first.FormatCommentFile());

    for (std::size_t g = 0; g < first.Groups().size(); ++g) {
        std::vector<CCommentItem> kept;
        for (const CCommentItem& item : first.Groups()[g]->Items()) {
            if (item.Key() != CCommentItem::Key(item.address) ||
                item.address.letter != static_cast<std::uint8_t>(first.Groups()[g]->Name()[0])) {
                std::abort();
            }
            if (!item.symbol.empty() || !item.comment1.empty()) {
                kept.push_back(item);
            }
        }
        if (kept != second.Groups()[g]->Items()) {
            std::abort();
        }
    }
    return 0;
}
