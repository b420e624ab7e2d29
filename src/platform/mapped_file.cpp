#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <limits>
#include <new>

namespace varno {

namespace {

std::atomic<bool> mappedReadsAllowed{false};

}  // namespace

bool MappedReadsAllowed() {
    return mappedReadsAllowed.load(std::memory_order_relaxed);
}

void AllowMappedReads(bool allowed) {
    mappedReadsAllowed.store(allowed, std::memory_order_relaxed);
}

std::unique_ptr<CMappedFile> CMappedFile::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    std::unique_ptr<CMappedFile> mapped;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        static_cast<std::uint64_t>(info.st_size) <= std::numeric_limits<std::size_t>::max()) {
        const auto size = static_cast<std::size_t>(info.st_size);
        if (size == 0) {
            mapped.reset(new (std::nothrow) CMappedFile(nullptr, 0));
        } else if (void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
                   data != MAP_FAILED) {
            mapped.reset(new (std::nothrow)
                             CMappedFile(static_cast<const std::uint8_t*>(data), size));
            if (!mapped) {
                ::munmap(data, size);
            }
        }
    }
    ::close(fd);
    return mapped;
}

CMappedFile::~CMappedFile() {
    if (size_ != 0) {
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
    }
}

}  // namespace varno
