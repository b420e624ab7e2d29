// Byte archives: ordered reading or writing of raw blocks and little-endian integers, over a
// byte buffer in memory or over a disk file.
//
// Reading never produces silent garbage: every read says whether all requested bytes were
// there, and Remaining() tells how many bytes are left, so a reader can check a count against
// the data before it allocates or loops. Writing to a file that fails throws CFileException.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "binary records are stored as they lie in memory on a little-endian machine");

namespace varno {

// The little-endian integer at p, for a reader that checked the bytes are there first.
template <class T>
requires std::is_integral_v<T> T ReadLe(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Puts the integer at p little-endian, for a writer that made the room first.
template <class T>
requires std::is_integral_v<T>
void PutLe(std::uint8_t* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

// A file could not be opened, read, written or replaced.
class CFileException : public std::runtime_error {
public:
    CFileException(const std::string& path, const std::string& what);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class CArchive {
public:
    virtual ~CArchive() = default;
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return loading_; }
    bool IsStoring() const { return !loading_; }

    // Reads up to n bytes; returns how many were read (fewer only at the end of the data).
    virtual std::size_t Read(void* dst, std::size_t n) = 0;
    // Bytes left between the read position and the end of the data.
    virtual std::uint64_t Remaining() const = 0;
    virtual void Write(const void* src, std::size_t n) = 0;
    virtual void Flush() {}

    // Reads exactly n bytes. On a short read the bytes that were there are consumed, the rest
    // of dst is zero-filled and the result is false.
    bool ReadExact(void* dst, std::size_t n) { return ReadExactFrom(*this, dst, n); }

    template <class T>
    requires std::is_trivially_copyable_v<T>
    bool ReadValue(T& value) { return ReadExact(&value, sizeof(T)); }
    template <class T>
    requires std::is_trivially_copyable_v<T>
    void WriteValue(const T& value) { Write(&value, sizeof(T)); }

    // Reads n bytes into a string, only when all n are present; otherwise reads nothing.
    std::optional<std::string> ReadBytes(std::size_t n);
    void WriteBytes(const std::string& bytes) { Write(bytes.data(), bytes.size()); }

protected:
    explicit CArchive(bool loading) : loading_(loading) {}

    // ReadExact over the archive's Read; an archive class of its own (a final one) calls its Read
    // directly, without going through the base class.
    template <class Archive>
    static bool ReadExactFrom(Archive& archive, void* dst, std::size_t n) {
        const std::size_t got = archive.Read(dst, n);
        if (got == n) {
            return true;
        }
        std::memset(static_cast<std::uint8_t*>(dst) + got, 0, n - got);
        return false;
    }

private:
    bool loading_;
};

// Reads from a byte buffer it does not own; the buffer must outlive the archive.
class CMemReadArchive final : public CArchive {
public:
    explicit CMemReadArchive(std::span<const std::uint8_t> data);
    explicit CMemReadArchive(const std::string& data);

    std::size_t Read(void* dst, std::size_t n) override {
        const std::size_t got = std::min(n, data_.size() - pos_);
        if (got > 0) {
            std::memcpy(dst, data_.data() + pos_, got);
        }
        pos_ += got;
        return got;
    }
    std::uint64_t Remaining() const override { return data_.size() - pos_; }
    void Write(const void* src, std::size_t n) override;
    std::size_t Position() const { return pos_; }
    // CArchive's reads without the call through the base class: readers that know they read
    // memory take rows by the tens of thousands.
    bool ReadExact(void* dst, std::size_t n) { return ReadExactFrom(*this, dst, n); }
    template <class T>
    requires std::is_trivially_copyable_v<T>
    bool ReadValue(T& value) { return ReadExact(&value, sizeof(T)); }
    // The bytes read since the given position.
    std::span<const std::uint8_t> Since(std::size_t position) const {
        return data_.subspan(position, pos_ - position);
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

// Writes into a growing byte buffer it owns; the buffer grows in blocks of growBy bytes.
class CMemWriteArchive final : public CArchive {
public:
    explicit CMemWriteArchive(std::size_t growBy = 1024);

    std::size_t Read(void* dst, std::size_t n) override;
    std::uint64_t Remaining() const override { return 0; }
    void Write(const void* src, std::size_t n) override;

    const std::vector<std::uint8_t>& Data() const { return data_; }
    std::vector<std::uint8_t> TakeData() { return std::move(data_); }
    // Forgets the bytes written and keeps the memory for the next ones.
    void Clear() { data_.clear(); }

private:
    std::vector<std::uint8_t> data_;
    std::size_t growBy_;
};

// A disk file read or written through a buffer of the given size.
class CFileArchive final : public CArchive {
public:
    enum class Mode { Read, Write };
    static constexpr std::size_t DEFAULT_BUFFER = 4096;

    // Opens a file. Returns null (and the reason in error) when it cannot be opened.
    // Write mode creates the file or truncates it.
    static std::unique_ptr<CFileArchive> Open(const std::string& path, Mode mode,
                                              std::size_t bufferSize = DEFAULT_BUFFER,
                                              std::string* error = nullptr);
    ~CFileArchive() override;

    std::size_t Read(void* dst, std::size_t n) override;
    std::uint64_t Remaining() const override;
    void Write(const void* src, std::size_t n) override;
    void Flush() override;
    // Flushes, forces the data to disk and closes; throws CFileException on failure.
    void Close();
    const std::string& Path() const { return path_; }

    // Test hook: after the given number of further bytes, every file write fails as a full
    // disk would. std::nullopt turns the fault off.
    static void SetWriteFaultForTesting(std::optional<std::uint64_t> bytesUntilFailure);

private:
    CFileArchive(std::FILE* file, std::string path, Mode mode, std::size_t bufferSize,
                 std::uint64_t size);
    void FailWrite(const char* what);

    std::FILE* file_;
    std::string path_;
    std::vector<char> buffer_;
    std::uint64_t size_;      // file size at open (read mode)
    std::uint64_t position_;  // bytes consumed (read mode)
    // Read mode: buffer_[bufferedFrom_, bufferedTo_) holds bytes read but not yet consumed.
    std::size_t bufferedFrom_ = 0;
    std::size_t bufferedTo_ = 0;
    static constexpr std::size_t READ_CHUNK = 65536;
};

}  // namespace varno
