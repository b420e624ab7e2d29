// The model's text is bytes in the GBK code page, exactly as read from files. These helpers
// convert at the edges (UTF-8 for widgets, terminals and sources) and work on GBK bytes without
// ever splitting a double-byte character: a lead byte is 0x81..0xFE and the byte after it is
// its trail byte, which may look like an ASCII letter.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace varno {

inline bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Byte length of the character starting at text[pos]: 2 for a lead byte followed by a trail
// byte, else 1.
std::size_t CharLength(std::string_view text, std::size_t pos);

// GBK to UTF-8. A byte sequence GBK cannot decode becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);
// UTF-8 to GBK. A character GBK cannot hold, or invalid UTF-8, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// ASCII letters to upper case; the bytes of double-byte characters are left alone.
std::string MbUpper(std::string_view text);
// Case-insensitive comparison in the same sense (only single-byte ASCII letters fold).
bool MbEqualNoCase(std::string_view a, std::string_view b);

// Removes blanks (space, tab, CR, LF, VT, FF) at either end.
std::string MbTrim(std::string_view text);
std::string MbTrimLeft(std::string_view text);
std::string MbTrimRight(std::string_view text);

// printf-style formatting into a byte string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, std::va_list args);

}  // namespace varno
