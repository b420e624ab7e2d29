// Byte strings written as hex in tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varno::test {

// "4C 41 44 00" (blanks optional) to bytes.
std::string FromHex(std::string_view hex);
// Bytes to "4C 41 44 00".
std::string ToHex(std::string_view bytes);
std::string ToHex(const std::vector<std::uint8_t>& bytes);

}  // namespace varno::test
