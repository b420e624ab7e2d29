// Typed values over a profile: strings, integers as signed decimal text, and byte blocks as
// letter pairs ("A" plus the low four bits, then "A" plus the high four bits, so the bytes 0x12
// 0xFF read "CBPP"). The application object's project accessors are these on its profile.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/profile.h"

namespace varno {

// The leading decimal integer of the text, as the C library's atoi reads it (leading white
// space and a sign allowed, 0 when no digits follow), held to the int range.
int ParseProfileInt(std::string_view text);
std::string EncodeLetterPairs(std::span<const std::uint8_t> bytes);
// One byte per letter pair, (first - 'A') + 16 * (second - 'A') modulo 256; a trailing odd
// letter is ignored.
std::vector<std::uint8_t> DecodeLetterPairs(std::string_view text);

std::string GetProfileString(const CXmlProfile& profile, std::string_view section,
                             std::string_view key, std::string_view defaultValue);
// Missing key or empty text: the default.
int GetProfileInt(const CXmlProfile& profile, std::string_view section, std::string_view key,
                  int defaultValue);
// Missing key or empty text: nullopt.
std::optional<std::vector<std::uint8_t>> GetProfileBinary(const CXmlProfile& profile,
                                                          std::string_view section,
                                                          std::string_view key);

// Writers refuse empty section or key names; they succeed when a key was written.
bool WriteProfileString(CXmlProfile& profile, std::string_view section, std::string_view key,
                        std::string_view value);
bool WriteProfileInt(CXmlProfile& profile, std::string_view section, std::string_view key,
                     int value);
// Refuses an empty block.
bool WriteProfileBinary(CXmlProfile& profile, std::string_view section, std::string_view key,
                        std::span<const std::uint8_t> bytes);

}  // namespace varno
