#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace varno {

namespace {

mode_t CurrentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

constexpr char TEMP_SUFFIX[] = ".tmp-XXXXXX";
constexpr std::size_t TEMP_SUFFIX_LENGTH = sizeof(TEMP_SUFFIX) - 1;

// Creates the temporary file and locks it. A cleaner in another process may remove the file
// between its creation and the lock; then the next name is tried.
int CreateLockedTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::vector<char> pattern(path.begin(), path.end());
        pattern.insert(pattern.end(), TEMP_SUFFIX, TEMP_SUFFIX + sizeof(TEMP_SUFFIX));
        int fd = mkstemp(pattern.data());
        if (fd < 0) {
            return -1;
        }
        struct stat held {};
        struct stat named {};
        if (flock(fd, LOCK_EX) == 0 && fstat(fd, &held) == 0 && stat(pattern.data(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
            tempPath = pattern.data();
            return fd;
        }
        close(fd);
    }
    errno = EEXIST;
    return -1;
}

bool IsTemporaryName(const std::string& name, const std::string& base) {
    if (name.size() != base.size() + TEMP_SUFFIX_LENGTH ||
        name.compare(0, base.size(), base) != 0 || name.compare(base.size(), 5, ".tmp-") != 0) {
        return false;
    }
    for (std::size_t i = base.size() + 5; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(c)) {
            return false;
        }
    }
    return true;
}

// Removes the temporary files of path that no living save holds.
void RemoveStaleTemporaries(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, base)) {
            continue;
        }
        const std::string temp = (slash == std::string::npos ? "" : folder) + name;
        int fd = open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        struct stat held {};
        struct stat named {};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            lstat(temp.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            unlink(temp.c_str());
        }
        close(fd);
    }
    closedir(dir);
}

}  // namespace

CAtomicFile::CAtomicFile(std::string path, std::size_t bufferSize) : path_(std::move(path)) {
    struct stat st {};
    mode_t mode = 0666 & ~CurrentUmask();
    if (stat(path_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            throw CFileException(path_, "is a folder");
        }
        // The owner's write permission plays the part of a read-only attribute: it holds
        // even for a user whom the system would let write anyway.
        if ((st.st_mode & S_IWUSR) == 0) {
            throw CFileException(path_, "the file is read-only");
        }
        mode = st.st_mode & 07777;
    }
    lockFd_ = CreateLockedTemporary(path_, tempPath_);
    if (lockFd_ < 0) {
        throw CFileException(
            path_, std::string("cannot create a temporary file: ") + std::strerror(errno));
    }
    fchmod(lockFd_, mode);
    std::string error;
    archive_ = CFileArchive::Open(tempPath_, CFileArchive::Mode::Write, bufferSize, &error);
    if (!archive_) {
        std::remove(tempPath_.c_str());
        close(lockFd_);
        throw CFileException(path_, error);
    }
}

CAtomicFile::~CAtomicFile() {
    if (!committed_) {
        archive_.reset();
        std::remove(tempPath_.c_str());
    }
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

void CAtomicFile::Finish() {
    archive_->Close();
}

void CAtomicFile::Commit() {
    Finish();
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        throw CFileException(path_, std::strerror(errno));
    }
    committed_ = true;
    close(lockFd_);
    lockFd_ = -1;
    RemoveStaleTemporaries(path_);
}

void SaveFileAtomically(const std::string& path, const std::function<void(CArchive&)>& writer,
                        std::size_t bufferSize) {
    CAtomicFile file(path, bufferSize);
    writer(file.Archive());
    file.Commit();
}

}  // namespace varno
