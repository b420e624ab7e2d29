// Text files as the original platform's C runtime read them in text mode, so that files written
// there (CR LF line ends, sometimes a Ctrl-Z at the end) read here to the same lines:
// - a CR directly before an LF belongs to the line end, never to the text; a lone CR stays;
// - a Ctrl-Z byte (0x1A) ends the text;
// - lines end at LF and do not hold it; a last line without LF counts when it is not empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varno {

inline constexpr char CTRL_Z = '\x1A';

std::vector<std::string> SplitTextLines(std::string_view bytes);

// The whole file's bytes, or nullopt (with the reason in error) when it cannot be opened or is
// larger than maxBytes.
std::optional<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes,
                                         std::string* error = nullptr);

// Largest text file the readers accept; the project's text files are far smaller.
inline constexpr std::uint64_t MAX_TEXT_FILE = 64u << 20;

// The lines of a text file, or nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadTextFileLines(const std::string& path,
                                                          std::string* error = nullptr);

}  // namespace varno
