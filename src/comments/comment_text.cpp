#include "comments/comment_text.h"

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

void LoadCommentText(CCommentList& list, CCommentGrp& group, std::string_view text) {
    const std::vector<std::string> lines = SplitTextLines(text);
    for (std::size_t i = 0; i < lines.size() && i < group.GetSize(); ++i) {
        CCommentItem item = group.GetAt(i);
        item.comment1 = lines[i];
        list.ReplaceAt(group, i, item);
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
