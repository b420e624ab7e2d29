// The file change watch: notices when a file a document shows is changed on disk by someone
// else. A document registers its file and gets a watch identifier; one worker thread waits on
// one change notification per watched directory; when a watched file's last-write time changes
// (in either direction) the worker posts the notification to the user-interface thread, which
// hands it to the document's first view, or to the registered window. The view then asks
// AskFileReload whether to read the file again, which may put the reload question to the user.
//
// Registration, removal and the question belong to one thread, the user-interface thread; the
// worker only reads the files' times and posts. One mutex guards the whole state; the worker
// holds it while it handles one wake-up and releases it only while it waits.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui_post.h"

namespace varno {

using FileWatchId = std::uint32_t;

// Receives the notification on the user-interface thread: the identifier and the watched path
// as registered.
class IFileWatchWindow {
public:
    virtual ~IFileWatchWindow() = default;
    virtual void OnFileWatchNotify(FileWatchId id, const std::string& path) = 0;
};

// A document whose first view receives the notification.
class IFileWatchDocument {
public:
    virtual ~IFileWatchDocument() = default;
    // nullptr when the document has no view.
    virtual IFileWatchWindow* FirstView() = 0;
};

// The reload question (CFileWatchDlg on the desktop).
class IFileWatchDialog {
public:
    virtual ~IFileWatchDialog() = default;
    // text is GBK. A check box is shown only for a flag that is given, ticked when the flag is
    // non-zero; on OK its state is written back (1 or 0). True for OK, false for Cancel.
    virtual bool AskReload(const std::string& text, int* autoReload, int* reloadAll) = 0;
};

struct FILEWATCHITEM {
    std::string path;             // as registered; ending with a separator: a directory
    std::uint64_t lastWrite = 0;  // 100-nanosecond file time; 0 for a directory
    IFileWatchWindow* window = nullptr;
    IFileWatchDocument* document = nullptr;
    std::uint32_t userValue = 0;
    int autoReload = 0;
    int* reloadAll = nullptr;  // shared by several watches, owned by the caller
};

// The drive and directory part: everything up to and including the last "\" or "/"; empty
// when there is no separator.
std::string FileWatchDirectory(std::string_view path);

class CFileWatch {
public:
    // Notifications are posted through post, which must outlive the watch.
    explicit CFileWatch(IUiPost& post);
    // Ends the worker; notifications still queued are dropped.
    ~CFileWatch();
    CFileWatch(const CFileWatch&) = delete;
    CFileWatch& operator=(const CFileWatch&) = delete;

    // 0 when the file cannot be opened (nothing is registered). A path ending with a
    // separator watches the directory: every change in it is reported.
    FileWatchId AddFileWatch(const std::string& path, IFileWatchWindow* window,
                             IFileWatchDocument* document);
    // Removing the last watch ends the worker before this returns.
    void RemoveFileWatch(FileWatchId id);
    void SetFileWatchReloadAll(FileWatchId id, int* reloadAll);
    // True when the file is to be reloaded: at once when the watch's auto-reload flag or the
    // shared reload-all flag is on, else when the user answers OK to the question put through
    // parent. False for an identifier that is not watched.
    bool AskFileReload(FileWatchId id, IFileWatchDialog& parent);

    // For tests and diagnostics.
    std::size_t WatchedDirectoryCount() const;
    bool WorkerRunning() const;

    // The shared state, defined where the worker lives.
    struct State;

private:
    // Held by the notifications in flight, which find it gone once the watch is destroyed.
    std::shared_ptr<State> state_;
};

}  // namespace varno
