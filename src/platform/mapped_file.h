// CMappedFile: a whole file's bytes mapped read-only into memory. Reading a large file this way
// takes its pages straight from the page cache instead of copying them into fresh memory, which
// on a large ladder file costs more than parsing it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace varno {

class CMappedFile {
public:
    // Null when the file cannot be opened or is not a regular file that can be mapped; the
    // caller then reads it the ordinary way.
    static std::unique_ptr<CMappedFile> Open(const std::string& path);
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }

private:
    CMappedFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace varno
