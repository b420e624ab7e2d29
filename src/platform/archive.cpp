#include "platform/archive.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace varno {

namespace {

// Remaining bytes before an injected write failure; negative when no fault is armed.
std::int64_t g_writeFaultBudget = -1;

}  // namespace

CFileException::CFileException(const std::string& path, const std::string& what)
    : std::runtime_error(path + ": " + what), path_(path) {}

std::optional<std::string> CArchive::ReadBytes(std::size_t n) {
    if (n > Remaining()) {
        return std::nullopt;
    }
    std::string bytes(n, '\0');
    if (!ReadExact(bytes.data(), n)) {
        return std::nullopt;
    }
    return bytes;
}

CMemReadArchive::CMemReadArchive(std::span<const std::uint8_t> data)
    : CArchive(true), data_(data) {}

CMemReadArchive::CMemReadArchive(const std::string& data)
    : CArchive(true), data_(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()) {}

void CMemReadArchive::Write(const void*, std::size_t) {
    throw std::logic_error("write to a loading archive");
}

CMemWriteArchive::CMemWriteArchive(std::size_t growBy)
    : CArchive(false), growBy_(std::max<std::size_t>(growBy, 1)) {}

std::size_t CMemWriteArchive::Read(void*, std::size_t) {
    throw std::logic_error("read from a storing archive");
}

void CMemWriteArchive::Write(const void* src, std::size_t n) {
    if (n == 0) {
        return;
    }
    std::size_t need = data_.size() + n;
    if (need > data_.capacity()) {
        // Grow by whole blocks, and at least geometrically so long writes stay linear.
        std::size_t blocks = (need + growBy_ - 1) / growBy_;
        data_.reserve(std::max(blocks * growBy_, data_.capacity() * 2));
    }
    const auto* bytes = static_cast<const std::uint8_t*>(src);
    data_.insert(data_.end(), bytes, bytes + n);
}

std::unique_ptr<CFileArchive> CFileArchive::Open(const std::string& path, Mode mode,
                                                 std::size_t bufferSize, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (file == nullptr) {
        if (error != nullptr) {
            *error = std::strerror(errno);
        }
        return nullptr;
    }
    std::uint64_t size = 0;
    struct stat st {};
    if (mode == Mode::Read) {
        if (fstat(fileno(file), &st) != 0 || S_ISDIR(st.st_mode)) {
            if (error != nullptr) {
                *error = S_ISDIR(st.st_mode) ? "is a folder" : std::strerror(errno);
            }
            std::fclose(file);
            return nullptr;
        }
        size = static_cast<std::uint64_t>(st.st_size);
    }
    return std::unique_ptr<CFileArchive>(
        new CFileArchive(file, path, mode, std::max<std::size_t>(bufferSize, 1), size));
}

CFileArchive::CFileArchive(std::FILE* file, std::string path, Mode mode, std::size_t bufferSize,
                           std::uint64_t size)
    : CArchive(mode == Mode::Read),
      file_(file),
      path_(std::move(path)),
      buffer_(mode == Mode::Read ? std::max(bufferSize, READ_CHUNK) : bufferSize),
      size_(size),
      position_(0) {
    // A reader takes most values a few bytes at a time; it serves them from its own buffer,
    // filled a chunk at a time, instead of going through the stream's locking per value.
    if (mode == Mode::Read) {
        std::setvbuf(file_, nullptr, _IONBF, 0);
    } else {
        std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    }
}

CFileArchive::~CFileArchive() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

std::size_t CFileArchive::Read(void* dst, std::size_t n) {
    if (!IsLoading()) {
        throw std::logic_error("read from a storing archive");
    }
    if (n == 0 || file_ == nullptr) {
        return 0;
    }
    auto* out = static_cast<char*>(dst);
    std::size_t got = 0;
    while (got < n) {
        if (bufferedFrom_ == bufferedTo_) {
            if (n - got >= buffer_.size()) {
                got += std::fread(out + got, 1, n - got, file_);
                break;
            }
            bufferedFrom_ = 0;
            bufferedTo_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            if (bufferedTo_ == 0) {
                break;
            }
        }
        const std::size_t take = std::min(n - got, bufferedTo_ - bufferedFrom_);
        std::memcpy(out + got, buffer_.data() + bufferedFrom_, take);
        bufferedFrom_ += take;
        got += take;
    }
    position_ += got;
    return got;
}

std::uint64_t CFileArchive::Remaining() const {
    return position_ < size_ ? size_ - position_ : 0;
}

void CFileArchive::FailWrite(const char* what) {
    throw CFileException(path_, what);
}

void CFileArchive::Write(const void* src, std::size_t n) {
    if (IsLoading()) {
        throw std::logic_error("write to a loading archive");
    }
    if (n == 0) {
        return;
    }
    if (file_ == nullptr) {
        FailWrite("the file is closed");
    }
    if (g_writeFaultBudget >= 0) {
        if (static_cast<std::uint64_t>(g_writeFaultBudget) < n) {
            g_writeFaultBudget = 0;
            FailWrite("no space left on device (simulated)");
        }
        g_writeFaultBudget -= static_cast<std::int64_t>(n);
    }
    if (std::fwrite(src, 1, n, file_) != n) {
        FailWrite(std::strerror(errno));
    }
}

void CFileArchive::Flush() {
    if (file_ != nullptr && !IsLoading() && std::fflush(file_) != 0) {
        FailWrite(std::strerror(errno));
    }
}

void CFileArchive::Close() {
    if (file_ == nullptr) {
        return;
    }
    std::FILE* file = file_;
    file_ = nullptr;
    bool ok = true;
    int err = 0;
    if (!IsLoading()) {
        ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
        err = errno;
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        throw CFileException(path_, std::strerror(err));
    }
}

void CFileArchive::SetWriteFaultForTesting(std::optional<std::uint64_t> bytesUntilFailure) {
    g_writeFaultBudget =
        bytesUntilFailure ? static_cast<std::int64_t>(*bytesUntilFailure) : std::int64_t{-1};
}

}  // namespace varno
