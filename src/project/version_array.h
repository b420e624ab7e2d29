// The project's version information: four entries (company, product, version, remark) of two
// text lines each, in GBK bytes.
//
// Version file (.ver): one text line per entry, in index order: line 1, TAB, line 2, LF (no CR).
//
// Version block of the target file (little-endian):
//   0  "VER\0"          4  u16 header length 32     6  u16 200
//   8  u32 block length: 48 + sum over entries of (len1 + len2 + 2)
//  12  u32 offset of the first text, 32 + 4 * count    16  u16 4
//  18  u16 count (4)   20  12 zero bytes
//  32  u32 per entry: offset of its texts from the block start
//  then per entry: line 1, 0, line 2, 0
#pragma once

#include <array>
#include <string>

#include "platform/archive.h"

namespace varno {

struct CVersionItemData {
    std::string line1;
    std::string line2;

    bool operator==(const CVersionItemData&) const = default;
};

class CVersionArray {
public:
    static constexpr int COUNT = 4;
    enum Index { COMPANY = 0, PRODUCT = 1, VERSION = 2, REMARK = 3 };

    CVersionArray() = default;

    // Four empty entries.
    void ResetVersion();
    // Resets, then reads the file. False when it cannot be read (the entries stay empty).
    bool LoadVersion(const std::string& path);
    // Writes the file, replacing the old one only once the new one is complete. False for an
    // empty path or a file that cannot be written (the reason goes to error).
    bool SaveVersion(const std::string& path, std::string* error = nullptr) const;

    // The text of an entry's line (0 or 1). Outside the array: an empty placeholder that
    // reading finds empty and writing does not reach the entries.
    std::string& GetVersionLine(int index, int line);
    const std::string& GetVersionLine(int index, int line) const;

    void WriteVersionBlock(CArchive& ar) const;
    // Reads a block written by WriteVersionBlock at the archive's position and takes its
    // entries. False, with the array unchanged, for a wrong tag, a count above 4, or offsets
    // and lengths that do not fit the data.
    bool ReadVersionBlock(CArchive& ar);

    // The file's text and its parsing, without the disk.
    std::string FormatVersionFile() const;
    void ParseVersionFile(std::string_view bytes);

    const std::array<CVersionItemData, COUNT>& Entries() const { return entries_; }
    bool operator==(const CVersionArray& other) const { return entries_ == other.entries_; }

private:
    std::array<CVersionItemData, COUNT> entries_;
    mutable std::string placeholder_;
};

}  // namespace varno
