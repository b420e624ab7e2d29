// The ladder font as the project file stores it: the 60-byte logical-font record of the
// original platform, little-endian: height, width, escapement, orientation and weight (signed
// 32-bit), then one byte each for italic, underline, strike-out, character set, output
// precision, clip precision, quality and pitch-and-family, then the face name (32 bytes,
// zero-terminated, GBK).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace varno {

struct CLogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[32] = {};

    static constexpr std::size_t SIZE = 60;

    // Height -18, face "Courier New", everything else 0.
    static CLogFont Default() {
        CLogFont font;
        font.height = -18;
        std::memcpy(font.faceName, "Courier New", 11);
        return font;
    }

    std::array<std::uint8_t, SIZE> ToBytes() const {
        std::array<std::uint8_t, SIZE> bytes;
        std::memcpy(bytes.data(), this, SIZE);
        return bytes;
    }
    // Takes the first min(60, size) bytes; the rest of the record keeps its content.
    void SetBytes(std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) {
            return;
        }
        std::memcpy(this, bytes.data(), bytes.size() < SIZE ? bytes.size() : SIZE);
    }
    // The face name up to its zero byte (all 32 bytes when it has none).
    std::string FaceName() const { return std::string(faceName, strnlen(faceName, 32)); }

    bool operator==(const CLogFont& other) const { return ToBytes() == other.ToBytes(); }
};
static_assert(sizeof(CLogFont) == CLogFont::SIZE);
static_assert(offsetof(CLogFont, italic) == 20 && offsetof(CLogFont, faceName) == 28);

}  // namespace varno
