// The watch of one document's file: registered whenever the document's path is set, with the
// shared reload-all flag; taken away around the document's own saves so that they are never
// reported as outside changes; removed when the document goes.
#pragma once

#include <functional>
#include <string>

#include "project/file_watch.h"

namespace varno {

class CDocumentWatch {
public:
    // reloadAll may be null: then every change asks (unless auto-reload was ticked).
    CDocumentWatch(CFileWatch& watch, IFileWatchDocument& document, int* reloadAll);
    ~CDocumentWatch();
    CDocumentWatch(const CDocumentWatch&) = delete;
    CDocumentWatch& operator=(const CDocumentWatch&) = delete;

    // Watches path (an operating-system path) instead of the previous one. A file that cannot
    // be watched leaves the identifier 0: the document is shown without reload offers.
    void SetPath(const std::string& path);
    const std::string& Path() const { return path_; }
    FileWatchId Id() const { return id_; }

    // Runs write, the document's own save of its file, with the watch removed, and watches the
    // file again afterwards, also when write throws (the exception goes on to the caller).
    void Save(const std::function<void()>& write);

    // Whether a notification for id asks for the file to be read again. Only the current
    // watch counts, and only while the document has a path.
    bool AskReload(FileWatchId id, IFileWatchDialog& parent);

private:
    void Register();
    void Unregister();

    CFileWatch& watch_;
    IFileWatchDocument& document_;
    int* reloadAll_;
    std::string path_;
    FileWatchId id_ = 0;
};

}  // namespace varno
