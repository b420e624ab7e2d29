#include "platform/text_file.h"

#include "platform/archive.h"

namespace varno {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    if (std::size_t eof = bytes.find(CTRL_Z); eof != std::string_view::npos) {
        bytes = bytes.substr(0, eof);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t textEnd = end;
        if (textEnd > start && bytes[textEnd - 1] == '\r') {
            --textEnd;
        }
        lines.emplace_back(bytes.substr(start, textEnd - start));
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes,
                                         std::string* error) {
    auto file =
        CFileArchive::Open(path, CFileArchive::Mode::Read, CFileArchive::DEFAULT_BUFFER, error);
    if (!file) {
        return std::nullopt;
    }
    if (file->Remaining() > maxBytes) {
        if (error != nullptr) {
            *error = "the file is too large";
        }
        return std::nullopt;
    }
    auto bytes = file->ReadBytes(static_cast<std::size_t>(file->Remaining()));
    if (!bytes && error != nullptr) {
        *error = "the file could not be read";
    }
    return bytes;
}

std::optional<std::vector<std::string>> ReadTextFileLines(const std::string& path,
                                                          std::string* error) {
    auto bytes = ReadWholeFile(path, MAX_TEXT_FILE, error);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitTextLines(*bytes);
}

}  // namespace varno
