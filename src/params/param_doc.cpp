#include "params/param_doc.h"

#include <sys/stat.h>

#include "platform/atomic_file.h"
#include "platform/text_file.h"

namespace varno {

CParamDoc::CParamDoc(const CCommentList* comments) {
    tables_.SetDefaultTables(comments);
}

void CParamDoc::SetValue(std::size_t index, std::int32_t value) {
    if (current_ == nullptr) {
        return;
    }
    current_->SetValue(index, value);
    modified_ = true;
}

bool CParamDoc::Load(const std::string& path, std::string* error) {
    auto bytes = ReadWholeFile(path, MAX_PARAM_FILE, error);
    if (!bytes) {
        return false;
    }
    if (!tables_.ReadParamFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()))) {
        if (error != nullptr) {
            *error = "not a parameter file";
        }
        return false;
    }
    return true;
}

bool CParamDoc::Save(const std::string& path, std::string* error) {
    try {
        SaveFileAtomically(path, [&](CArchive& ar) { tables_.WriteParamFile(ar); });
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    modified_ = false;
    return true;
}

bool SaveNeedsNewName(const std::string& path) {
    struct stat st {};
    // The same permission bit that makes an atomic save refuse the file.
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
}

}  // namespace varno
