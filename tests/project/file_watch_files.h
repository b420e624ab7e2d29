// Files for the watch tests, written the way a save writes them: a complete temporary file
// renamed over the old one. An explicit last-write time makes each rewrite distinguishable
// whatever the file system's time resolution.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace varno::test {

inline void ReplaceFile(const std::string& path, const std::string& bytes, long seconds) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    if (utimensat(AT_FDCWD, temp.c_str(), times, 0) != 0 ||
        std::rename(temp.c_str(), path.c_str()) != 0) {
        throw std::runtime_error("cannot replace " + path);
    }
}

// A private folder in memory where there is one (/dev/shm), else in the temporary folder: the
// stress tests rewrite files thousands of times, and a disk file system flushes each
// replacement by rename.
class CFastTempDir {
public:
    CFastTempDir() {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "varno-watch-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
    }
    ~CFastTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CFastTempDir(const CFastTempDir&) = delete;
    CFastTempDir& operator=(const CFastTempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline int ThreadCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task")) {
        ++count;
    }
    return count;
}

// The kernel lists a thread until it has finished exiting, a moment after a join has returned:
// the count, once it reaches `expected` or after a second at most.
inline int ThreadCountSettlingAt(int expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int count = ThreadCount();
    while (count != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        count = ThreadCount();
    }
    return count;
}

}  // namespace varno::test
