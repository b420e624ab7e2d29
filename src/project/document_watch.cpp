#include "project/document_watch.h"

namespace varno {

CDocumentWatch::CDocumentWatch(CFileWatch& watch, IFileWatchDocument& document, int* reloadAll)
    : watch_(watch), document_(document), reloadAll_(reloadAll) {}

CDocumentWatch::~CDocumentWatch() {
    Unregister();
}

void CDocumentWatch::SetPath(const std::string& path) {
    Unregister();
    path_ = path;
    Register();
}

void CDocumentWatch::Save(const std::function<void()>& write) {
    Unregister();
    try {
        write();
    } catch (...) {
        Register();
        throw;
    }
    Register();
}

bool CDocumentWatch::AskReload(FileWatchId id, IFileWatchDialog& parent) {
    return id != 0 && id == id_ && !path_.empty() && watch_.AskFileReload(id, parent);
}

void CDocumentWatch::Register() {
    if (path_.empty()) {
        return;
    }
    id_ = watch_.AddFileWatch(path_, nullptr, &document_);
    watch_.SetFileWatchReloadAll(id_, reloadAll_);
}

void CDocumentWatch::Unregister() {
    if (id_ != 0) {
        watch_.RemoveFileWatch(id_);
        id_ = 0;
    }
}

}  // namespace varno
