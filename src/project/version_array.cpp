#include "project/version_array.h"

#include <cstring>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/text_file.h"

namespace varno {

namespace {

constexpr char VERSION_TAG[4] = {'V', 'E', 'R', '\0'};
constexpr std::uint16_t HEADER_SIZE = 32;
constexpr std::uint16_t FORMAT_VERSION = 200;

bool IsLeadingBlank(char c) {
    return c == ' ' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::uint32_t Le32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

std::uint16_t Le16(const std::uint8_t* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

// Text up to the first zero byte, or all of it.
std::string UpToZero(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace

void CVersionArray::ResetVersion() {
    entries_.fill(CVersionItemData{});
}

bool CVersionArray::LoadVersion(const std::string& path) {
    ResetVersion();
    auto bytes = ReadWholeFile(path, MAX_TEXT_FILE);
    if (!bytes) {
        return false;
    }
    ParseVersionFile(*bytes);
    return true;
}

void CVersionArray::ParseVersionFile(std::string_view bytes) {
    ResetVersion();
    std::vector<std::string> lines = SplitTextLines(bytes);
    for (std::size_t i = 0; i < lines.size() && i < entries_.size(); ++i) {
        std::string_view line = lines[i];
        // Leading white space goes, but a TAB always separates the two lines: an entry whose
        // line 1 is empty is written as a TAB and line 2, and must read back as written.
        std::size_t start = 0;
        while (start < line.size() && IsLeadingBlank(line[start])) {
            ++start;
        }
        line.remove_prefix(start);
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            continue;
        }
        entries_[i].line1 = std::string(line.substr(0, tab));
        entries_[i].line2 = std::string(line.substr(tab + 1));
    }
}

std::string CVersionArray::FormatVersionFile() const {
    std::string text;
    for (const CVersionItemData& entry : entries_) {
        text += entry.line1 + '\t' + entry.line2 + '\n';
    }
    return text;
}

bool CVersionArray::SaveVersion(const std::string& path, std::string* error) const {
    if (path.empty()) {
        if (error != nullptr) {
            *error = "no file name";
        }
        return false;
    }
    try {
        SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(FormatVersionFile()); });
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    return true;
}

std::string& CVersionArray::GetVersionLine(int index, int line) {
    if (index < 0 || index >= COUNT) {
        placeholder_.clear();
        return placeholder_;
    }
    return line == 0 ? entries_[index].line1 : entries_[index].line2;
}

const std::string& CVersionArray::GetVersionLine(int index, int line) const {
    return const_cast<CVersionArray*>(this)->GetVersionLine(index, line);
}

void CVersionArray::WriteVersionBlock(CArchive& ar) const {
    const std::uint32_t firstText = HEADER_SIZE + 4 * COUNT;
    std::uint32_t blockLength = firstText;
    for (const CVersionItemData& entry : entries_) {
        blockLength += static_cast<std::uint32_t>(entry.line1.size() + entry.line2.size() + 2);
    }
    ar.Write(VERSION_TAG, 4);
    ar.WriteValue(HEADER_SIZE);
    ar.WriteValue(FORMAT_VERSION);
    ar.WriteValue(blockLength);
    ar.WriteValue(firstText);
    ar.WriteValue(std::uint16_t{4});
    ar.WriteValue(static_cast<std::uint16_t>(COUNT));
    const std::uint8_t zeros[12] = {};
    ar.Write(zeros, sizeof zeros);
    std::uint32_t offset = firstText;
    for (const CVersionItemData& entry : entries_) {
        ar.WriteValue(offset);
        offset += static_cast<std::uint32_t>(entry.line1.size() + entry.line2.size() + 2);
    }
    for (const CVersionItemData& entry : entries_) {
        ar.WriteBytes(entry.line1);
        ar.WriteValue(std::uint8_t{0});
        ar.WriteBytes(entry.line2);
        ar.WriteValue(std::uint8_t{0});
    }
}

bool CVersionArray::ReadVersionBlock(CArchive& ar) {
    std::uint8_t header[HEADER_SIZE];
    if (!ar.ReadExact(header, sizeof header) || std::memcmp(header, VERSION_TAG, 4) != 0) {
        return false;
    }
    const std::uint32_t blockLength = Le32(header + 8);
    const std::uint16_t count = Le16(header + 18);
    const std::uint32_t tableEnd = HEADER_SIZE + 4u * count;
    if (count > COUNT || blockLength < tableEnd || blockLength - HEADER_SIZE > ar.Remaining()) {
        return false;
    }
    std::uint32_t offsets[COUNT] = {};
    for (std::uint16_t i = 0; i < count; ++i) {
        ar.ReadValue(offsets[i]);
    }
    // The texts lie after the offset table; reading them whole leaves the archive right
    // after the block whatever the offsets say.
    auto texts = ar.ReadBytes(blockLength - tableEnd);
    if (!texts) {
        return false;
    }
    std::array<CVersionItemData, COUNT> read;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint32_t end = i + 1 < count ? offsets[i + 1] : blockLength;
        if (offsets[i] < tableEnd || end < offsets[i] || end > blockLength) {
            return false;
        }
        std::string_view bytes =
            std::string_view(*texts).substr(offsets[i] - tableEnd, end - offsets[i]);
        std::size_t zero = bytes.find('\0');
        read[i].line1 = UpToZero(bytes);
        if (zero != std::string_view::npos) {
            read[i].line2 = UpToZero(bytes.substr(zero + 1));
        }
    }
    entries_ = std::move(read);
    return true;
}

}  // namespace varno
