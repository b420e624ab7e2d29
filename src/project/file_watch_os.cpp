#include "project/file_watch_os.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace varno {

CWakeEvent::CWakeEvent() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0) {
        throw std::runtime_error("cannot create the file watch's wake-up event");
    }
}

CWakeEvent::~CWakeEvent() {
    close(fd_);
}

void CWakeEvent::Signal() {
    const std::uint64_t one = 1;
    // A full counter is still signalled; nothing is lost when this write fails.
    [[maybe_unused]] ssize_t written = write(fd_, &one, sizeof one);
}

bool CWakeEvent::Reset() {
    std::uint64_t count = 0;
    return read(fd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count);
}

std::string FileWatchOsPath(const std::string& path) {
    if (path.empty()) {
        return ".";
    }
    std::string os = path;
    for (char& c : os) {
        if (c == '\\') {
            c = '/';
        }
    }
    return os;
}

int OpenDirectoryNotification(const std::string& osDirectory) {
    int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const std::uint32_t mask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                               IN_CLOSE_WRITE | IN_ATTRIB | IN_ONLYDIR;
    if (inotify_add_watch(fd, osDirectory.c_str(), mask) < 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void CloseDirectoryNotification(int handle) {
    close(handle);
}

void NextDirectoryNotification(int handle) {
    alignas(inotify_event) char buffer[4096];
    while (read(handle, buffer, sizeof buffer) > 0) {
    }
}

void WaitForHandles(const std::vector<int>& handles, std::vector<bool>& ready) {
    std::vector<pollfd> fds;
    fds.reserve(handles.size());
    for (int h : handles) {
        fds.push_back(pollfd{h, POLLIN, 0});
    }
    while (poll(fds.data(), fds.size(), -1) < 0 && errno == EINTR) {
    }
    ready.assign(handles.size(), false);
    for (std::size_t i = 0; i < fds.size(); ++i) {
        ready[i] = fds[i].revents != 0;
    }
}

std::optional<std::uint64_t> ReadLastWriteTime(const std::string& osPath) {
    int fd = open(osPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    const bool ok = fstat(fd, &st) == 0;
    close(fd);
    if (!ok) {
        return std::nullopt;
    }
    // Seconds between 1601-01-01 and 1970-01-01.
    constexpr std::uint64_t EPOCH_DIFFERENCE = 11644473600u;
    return (static_cast<std::uint64_t>(st.st_mtim.tv_sec) + EPOCH_DIFFERENCE) * 10000000u +
           static_cast<std::uint64_t>(st.st_mtim.tv_nsec) / 100u;
}

void LowerThreadPriority() {
    // Linux gives each thread its own nice value.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

}  // namespace varno
