// CMappedFile: a whole file's bytes mapped read-only into memory. Reading a large file this way
// takes its pages straight from the page cache instead of copying them into fresh memory, which
// on a large ladder file costs more than parsing it. A file another program truncates in place
// while it is mapped ends the process with SIGBUS when a page past the new end is touched, so
// mapped reads are off unless the program turns them on: the command-line tool does, for the
// short time it runs; the desktop editor, whose open windows hold unsaved work, does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace varno {

// Whether readers that can map a file should (off at start).
bool MappedReadsAllowed();
void AllowMappedReads(bool allowed);

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
