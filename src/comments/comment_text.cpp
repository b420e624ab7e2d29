#include "comments/comment_text.h"

#include "model/address.h"
#include "platform/atomic_file.h"
#include "platform/text_file.h"

namespace varno {

std::string ExportCommentText(const CCommentGrp& group) {
    std::string text;
    for (const CCommentItem& item : group.Items()) {
        if (!item.comment1.empty()) {
            text += item.AddressText() + '\t' + item.comment1 + "\r\n";
        }
    }
    return text;
}

bool ExportComments(const CCommentGrp& group, const std::string& path, std::string* error) {
    try {
        SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(ExportCommentText(group)); });
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    return true;
}

namespace {

// The item index an exported line names, and where its text starts; nullopt for a line of
// another form, or one naming an address of another letter.
struct CAddressedLine {
    std::optional<std::size_t> index;  // none: the group has no item of that address
    std::size_t textStart = 0;
};

std::optional<CAddressedLine> ReadAddressedLine(const CCommentGrp& group, std::string_view line) {
    const std::size_t tab = line.find('\t');
    LDADDR addr{};
    if (tab == std::string_view::npos || !ParseAddress(line.substr(0, tab), addr) ||
        group.Name() != std::string_view(reinterpret_cast<const char*>(&addr.letter), 1)) {
        return std::nullopt;
    }
    CAddressedLine result;
    result.textStart = tab + 1;
    const CCommentItem* item = group.Find(addr);
    if (item != nullptr) {
        result.index = static_cast<std::size_t>(item - group.Items().data());
    }
    return result;
}

}  // namespace

void LoadCommentText(CCommentList& list, CCommentGrp& group, std::string_view text) {
    CCommentList::CChangeBatch batch(list);
    const std::vector<std::string> lines = SplitTextLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::size_t index = i;
        std::string comment1 = line;
        if (auto addressed = ReadAddressedLine(group, line)) {
            if (!addressed->index) {
                continue;
            }
            index = *addressed->index;
            comment1 = line.substr(addressed->textStart);
        }
        if (index >= group.GetSize()) {
            continue;
        }
        CCommentItem item = group.GetAt(index);
        item.comment1 = std::move(comment1);
        list.ReplaceAt(group, index, item);
    }
    list.SetModified(true);
}

bool LoadComments(CCommentList& list, CCommentGrp& group, const std::string& path,
                  std::string* error) {
    std::optional<std::string> bytes = ReadWholeFile(path, MAX_TEXT_FILE, error);
    if (!bytes) {
        return false;
    }
    LoadCommentText(list, group, *bytes);
    return true;
}

}  // namespace varno
