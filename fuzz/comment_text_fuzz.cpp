// The comment text loader on arbitrary bytes: it changes comment 1 texts only, never the
// group's items or addresses, and what it leaves exports and loads back onto the same items.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "comments/comment_text.h"

using namespace varno;

namespace {

void FillX(CCommentList& list) {
    for (int i = 0; i < 6; ++i) {
        list.AddOrReplace({LDADDR{'X', static_cast<std::int8_t>(i - 1), 0}, "S", "c", "d"});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CCommentList loaded;
    FillX(loaded);
    CCommentGrp& x = *loaded.FindGroup("X");
    LoadCommentText(loaded, x, bytes);
    if (x.GetSize() != 6 || loaded.TotalCount() != 6) {
        std::abort();
    }
    for (std::size_t i = 0; i < x.GetSize(); ++i) {
        const CCommentItem& item = x.GetAt(i);
        if (item.address.bit != static_cast<std::int8_t>(i) - 1 || item.symbol != "S" ||
            item.comment2 != "d") {
            std::abort();
        }
    }

    CCommentList again;
    FillX(again);
    CCommentGrp& y = *again.FindGroup("X");
    LoadCommentText(again, y, ExportCommentText(x));
    for (std::size_t i = 0; i < x.GetSize(); ++i) {
        const std::string& had = x.GetAt(i).comment1;
        if (!had.empty() && y.GetAt(i).comment1 != had) {
            std::abort();
        }
    }
    return 0;
}
