// The operating-system side of the file change watch: a wake-up event, one change notification
// per directory, waiting on several of them, and a file's last-write time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varno {

// An automatically resetting event over an eventfd, initially not signalled.
class CWakeEvent {
public:
    CWakeEvent();
    ~CWakeEvent();
    CWakeEvent(const CWakeEvent&) = delete;
    CWakeEvent& operator=(const CWakeEvent&) = delete;

    void Signal();
    // Clears the event; true when it was signalled.
    bool Reset();
    int Handle() const { return fd_; }

private:
    int fd_;
};

// The path for the operating system: "\" separators become "/", an empty directory part is ".".
std::string FileWatchOsPath(const std::string& path);

// A change notification for one directory, not its subdirectories, reporting created, removed
// and renamed names and changed contents or times. -1 when it cannot be created.
int OpenDirectoryNotification(const std::string& osDirectory);
void CloseDirectoryNotification(int handle);
// Consumes what the notification has reported so far, so that the next wait blocks until a
// further change.
void NextDirectoryNotification(int handle);

// Waits without time limit until at least one handle is readable; sets ready[i] for each.
void WaitForHandles(const std::vector<int>& handles, std::vector<bool>& ready);

// The last-write time in 100-nanosecond units since 1601, or nullopt when the file cannot be
// opened for reading or its information cannot be read.
std::optional<std::uint64_t> ReadLastWriteTime(const std::string& osPath);

// Lowers the calling thread to the lowest ordinary priority.
void LowerThreadPriority();

}  // namespace varno
