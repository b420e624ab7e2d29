#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    std::vector<char> pattern(path_.begin(), path_.end());
    static const char suffix[] = ".tmp-XXXXXX";
    pattern.insert(pattern.end(), suffix, suffix + sizeof(suffix));
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        throw CFileException(
            path_, std::string("cannot create a temporary file: ") + std::strerror(errno));
    }
    tempPath_ = pattern.data();
    fchmod(fd, mode);
    close(fd);
    std::string error;
    archive_ = CFileArchive::Open(tempPath_, CFileArchive::Mode::Write, bufferSize, &error);
    if (!archive_) {
        std::remove(tempPath_.c_str());
        throw CFileException(path_, error);
    }
}

CAtomicFile::~CAtomicFile() {
    if (!committed_) {
        archive_.reset();
        std::remove(tempPath_.c_str());
    }
}

void CAtomicFile::Commit() {
    archive_->Close();
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        throw CFileException(path_, std::strerror(errno));
    }
    committed_ = true;
}

void SaveFileAtomically(const std::string& path, const std::function<void(CArchive&)>& writer,
                        std::size_t bufferSize) {
    CAtomicFile file(path, bufferSize);
    writer(file.Archive());
    file.Commit();
}

}  // namespace varno
