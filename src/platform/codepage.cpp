#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace varno {

namespace {

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

unsigned char AsciiUpper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One iconv conversion; on a sequence it cannot convert, skips `skip(in)` input bytes and
// appends `replacement`. ASCII reads the same in both code pages, and most texts converted are
// paths and messages that hold nothing else: those skip iconv, which otherwise loads its
// conversion module on first use.
template <class Skip>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
    if (IsAscii(input)) {
        return std::string(input);
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    std::string out;
    out.reserve(input.size() * 3 / 2 + 4);
    std::vector<char> chunk(256);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* dst = chunk.data();
        std::size_t dstLeft = chunk.size();
        std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(chunk.data(), chunk.size() - dstLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL (truncated input): replace and resynchronise.
            std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
            in += n;
            inLeft -= n;
            out.append(replacement);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

std::size_t Utf8SequenceLength(std::string_view s) {
    auto c = static_cast<unsigned char>(s[0]);
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    // Skip only the continuation bytes actually present, so a broken sequence loses one char.
    std::size_t i = 1;
    while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
    return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

std::string GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD",
                   [](std::string_view rest) { return CharLength(rest, 0); });
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8, "?", Utf8SequenceLength);
}

std::string MbUpper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
        out[i] = static_cast<char>(AsciiUpper(static_cast<unsigned char>(out[i])));
    }
    return out;
}

bool MbEqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && MbUpper(a) == MbUpper(b);
}

std::string MbTrimLeft(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return std::string(text.substr(i));
}

std::string MbTrimRight(std::string_view text) {
    // Walk forward so a trail byte is never taken for a character of its own.
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (!IsBlank(static_cast<unsigned char>(text[i]))) {
            end = i + CharLength(text, i);
        }
    }
    return std::string(text.substr(0, end));
}

std::string MbTrim(std::string_view text) {
    return MbTrimRight(MbTrimLeft(text));
}

std::string FormatV(const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string Format(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string out = FormatV(format, args);
    va_end(args);
    return out;
}

}  // namespace varno
