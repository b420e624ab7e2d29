#include "project/file_watch.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/codepage.h"
#include "platform/strings/app_windows.h"
#include "project/file_watch_os.h"

namespace varno {

struct CFileWatch::State {
    explicit State(IUiPost& p) : post(p) {}

    IUiPost& post;
    mutable std::mutex lock;
    std::map<FileWatchId, FILEWATCHITEM> table;
    FileWatchId nextId = 1;
    std::vector<std::string> directories;
    std::vector<int> handles;  // the notification of each directory, same index
    CWakeEvent wakeUp;
    std::thread worker;
    bool stop = false;
};

namespace {

using State = CFileWatch::State;

bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

bool DirectoryInUse(const State& state, const std::string& directory) {
    return std::any_of(state.table.begin(), state.table.end(), [&](const auto& entry) {
        return FileWatchDirectory(entry.second.path) == directory;
    });
}

// Runs on the user-interface thread. The receiver is looked up only now: a watch removed in
// the meantime (its document closed, or saving its own file) gets nothing.
void Deliver(const std::weak_ptr<State>& weak, FileWatchId id, const std::string& path) {
    std::shared_ptr<State> state = weak.lock();
    if (!state) {
        return;
    }
    IFileWatchWindow* window = nullptr;
    IFileWatchDocument* document = nullptr;
    {
        std::lock_guard guard(state->lock);
        auto it = state->table.find(id);
        if (it == state->table.end()) {
            return;
        }
        window = it->second.window;
        document = it->second.document;
    }
    IFileWatchWindow* receiver = document != nullptr ? document->FirstView() : window;
    if (receiver != nullptr) {
        receiver->OnFileWatchNotify(id, path);
    }
}

// Called with the lock held, for the directory at index.
void ScanDirectory(State& state, const std::weak_ptr<State>& weak, std::size_t index) {
    const std::string& directory = state.directories[index];
    for (auto& [id, item] : state.table) {
        if (FileWatchDirectory(item.path) != directory) {
            continue;
        }
        if (!EndsWithSeparator(item.path)) {
            std::optional<std::uint64_t> time = ReadLastWriteTime(FileWatchOsPath(item.path));
            if (!time || *time == item.lastWrite) {
                continue;
            }
            item.lastWrite = *time;
        }
        if (item.document == nullptr && item.window == nullptr) {
            continue;
        }
        state.post.Post([weak, watchId = id, path = item.path] { Deliver(weak, watchId, path); });
    }
}

void Work(State& state, std::weak_ptr<State> weak) {
    LowerThreadPriority();
    std::vector<int> waitList{state.wakeUp.Handle()};
    std::vector<bool> ready;
    WaitForHandles(waitList, ready);
    std::unique_lock guard(state.lock);
    while (!state.stop) {
        // The event is signalled before the lists change and read here under the lock, so a
        // wait list that no longer matches the lists is never used.
        if (state.wakeUp.Reset()) {
            waitList.assign(1, state.wakeUp.Handle());
            waitList.insert(waitList.end(), state.handles.begin(), state.handles.end());
        } else {
            for (std::size_t k = 1; k < waitList.size(); ++k) {
                if (!ready[k]) {
                    continue;
                }
                // Consumed before the scan: a change during the scan wakes the next wait.
                NextDirectoryNotification(waitList[k]);
                ScanDirectory(state, weak, k - 1);
            }
        }
        guard.unlock();
        WaitForHandles(waitList, ready);
        guard.lock();
    }
}

}  // namespace

std::string FileWatchDirectory(std::string_view path) {
    std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

CFileWatch::CFileWatch(IUiPost& post) : state_(std::make_shared<State>(post)) {}

CFileWatch::~CFileWatch() {
    std::thread worker;
    {
        std::lock_guard guard(state_->lock);
        state_->stop = true;
        state_->wakeUp.Signal();
        worker = std::move(state_->worker);
    }
    if (worker.joinable()) {
        worker.join();
    }
    for (int handle : state_->handles) {
        CloseDirectoryNotification(handle);
    }
}

FileWatchId CFileWatch::AddFileWatch(const std::string& path, IFileWatchWindow* window,
                                     IFileWatchDocument* document) {
    State& state = *state_;
    std::lock_guard guard(state.lock);
    const std::string directory = FileWatchDirectory(path);
    FILEWATCHITEM item;
    if (!EndsWithSeparator(path)) {
        std::optional<std::uint64_t> time = ReadLastWriteTime(FileWatchOsPath(path));
        if (!time) {
            return 0;
        }
        item.lastWrite = *time;
    }
    item.path = path;
    item.window = window;
    item.document = document;
    // 0 means "not watched"; after a wrap-around an identifier still in use is skipped.
    FileWatchId id = state.nextId++;
    while (id == 0 || state.table.count(id) != 0) {
        id = state.nextId++;
    }
    state.table.emplace(id, std::move(item));

    if (std::find(state.directories.begin(), state.directories.end(), directory) ==
        state.directories.end()) {
        state.wakeUp.Signal();
        int handle = OpenDirectoryNotification(FileWatchOsPath(directory));
        if (handle >= 0) {
            state.directories.push_back(directory);
            state.handles.push_back(handle);
        }
    }
    if (!state.worker.joinable()) {
        state.stop = false;
        state.wakeUp.Signal();
        state.worker = std::thread(Work, std::ref(state), std::weak_ptr<State>(state_));
    }
    return id;
}

void CFileWatch::RemoveFileWatch(FileWatchId id) {
    State& state = *state_;
    std::thread worker;
    {
        std::lock_guard guard(state.lock);
        auto it = state.table.find(id);
        if (it != state.table.end()) {
            const std::string directory = FileWatchDirectory(it->second.path);
            state.table.erase(it);
            auto dir = std::find(state.directories.begin(), state.directories.end(), directory);
            if (dir != state.directories.end() && !DirectoryInUse(state, directory)) {
                state.wakeUp.Signal();
                const auto index = dir - state.directories.begin();
                CloseDirectoryNotification(state.handles[index]);
                state.handles.erase(state.handles.begin() + index);
                state.directories.erase(dir);
            }
        }
        if (state.table.empty() && state.worker.joinable()) {
            state.stop = true;
            state.wakeUp.Signal();
            worker = std::move(state.worker);
        }
    }
    // Outside the lock: the worker takes it once more to see the stop flag.
    if (worker.joinable()) {
        worker.join();
    }
}

void CFileWatch::SetFileWatchReloadAll(FileWatchId id, int* reloadAll) {
    std::lock_guard guard(state_->lock);
    auto it = state_->table.find(id);
    if (it != state_->table.end()) {
        it->second.reloadAll = reloadAll;
    }
}

bool CFileWatch::AskFileReload(FileWatchId id, IFileWatchDialog& parent) {
    FILEWATCHITEM item;
    {
        std::lock_guard guard(state_->lock);
        auto it = state_->table.find(id);
        if (it == state_->table.end()) {
            return false;
        }
        item = it->second;
    }
    if (item.autoReload != 0 || (item.reloadAll != nullptr && *item.reloadAll != 0)) {
        return true;
    }
    // The path is the operating system's (UTF-8); the question is shown as GBK text.
    const std::string text = Format("%s\n\n%s", Utf8ToGbk(item.path).c_str(),
                                    LoadString(IDS_FILE_RELOAD_QUESTION).c_str());
    int autoReload = item.autoReload;
    int reloadAll = item.reloadAll != nullptr ? *item.reloadAll : 0;
    if (!parent.AskReload(text, &autoReload, item.reloadAll != nullptr ? &reloadAll : nullptr)) {
        return false;
    }
    {
        std::lock_guard guard(state_->lock);
        auto it = state_->table.find(id);
        if (it != state_->table.end()) {
            it->second.autoReload = autoReload;
        }
    }
    if (item.reloadAll != nullptr) {
        *item.reloadAll = reloadAll;
    }
    return true;
}

std::size_t CFileWatch::WatchedDirectoryCount() const {
    std::lock_guard guard(state_->lock);
    return state_->directories.size();
}

bool CFileWatch::WorkerRunning() const {
    std::lock_guard guard(state_->lock);
    return state_->worker.joinable();
}

}  // namespace varno
