#include "project/recent_files.h"

#include <algorithm>
#include <cctype>

namespace varno {

CRecentFileList::CRecentFileList(std::vector<std::string> paths) {
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        Add(*it);
    }
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > SIZE) {
        paths_.resize(SIZE);
    }
}

void CRecentFileList::Remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

bool IsProjectDocumentPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return false;
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".VP3";
}

bool IsLadderFileDocument(const std::string& path) {
    return path.find('.') != std::string::npos;
}

LadderCloseStep LadderCloseDecision(bool check, const std::string& path, bool modified) {
    const bool file = IsLadderFileDocument(path);
    if (check && file && modified) {
        return LadderCloseStep::Stop;
    }
    return file == check ? LadderCloseStep::Close : LadderCloseStep::Keep;
}

}  // namespace varno
