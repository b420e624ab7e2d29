// The comment file of CCommentList: reading and writing its tab-separated lines.
#include "comments/comment_list.h"
#include "model/address.h"
#include "platform/atomic_file.h"
#include "platform/text_file.h"

namespace varno {

namespace {

// Symbols are at most this long; a lone text after the address that is longer is a comment.
constexpr std::size_t MAX_LONE_SYMBOL = 8;

bool IsLineBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::string CCommentList::FormatCommentFile() const {
    std::string text;
    for (const auto& group : groups_) {
        for (const CCommentItem& item : group->Items()) {
            if (item.symbol.empty() && item.comment1.empty()) {
                continue;
            }
            text += item.AddressText() + '\t' + item.symbol + '\t' + item.comment1 + '\t' +
                    item.comment2 + "\r\n";
        }
    }
    return text;
}

bool CCommentList::SaveCommentFile(const std::string& path, std::string* error) const {
    try {
        SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(FormatCommentFile()); });
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    return true;
}

void CCommentList::ParseCommentFile(std::string_view bytes) {
    for (const std::string& fullLine : SplitTextLines(bytes)) {
        // Blanks are below 0x40 and so never the trail byte of a double-byte character.
        std::string_view line = fullLine;
        while (!line.empty() && IsLineBlank(line.front())) {
            line.remove_prefix(1);
        }
        if (line.empty()) {
            continue;
        }
        CCommentGrp* group = FindGroup(line.substr(0, 1));
        std::size_t tab = line.find('\t');
        if (group == nullptr || tab == std::string_view::npos) {
            continue;
        }
        CCommentItem item;
        // A line whose address does not parse has nothing to be filed under: it is skipped.
        if (!ParseAddress(line.substr(0, tab), item.address)) {
            continue;
        }
        std::string_view rest = line.substr(tab + 1);
        std::size_t second = rest.find('\t');
        if (second == std::string_view::npos) {
            (rest.size() <= MAX_LONE_SYMBOL ? item.symbol : item.comment1) = std::string(rest);
        } else {
            item.symbol = std::string(rest.substr(0, second));
            std::string_view comments = rest.substr(second + 1);
            std::size_t third = comments.find('\t');
            if (third == std::string_view::npos) {
                item.comment1 = std::string(comments);
            } else {
                item.comment1 = std::string(comments.substr(0, third));
                item.comment2 = std::string(comments.substr(third + 1));
            }
        }
        group->AddOrReplace(item);
    }
    watchers_->Changed();
}

bool CCommentList::LoadCommentFile(const std::string& path) {
    auto bytes = ReadWholeFile(path, MAX_TEXT_FILE);
    if (!bytes) {
        return false;
    }
    ParseCommentFile(*bytes);
    return true;
}

}  // namespace varno
