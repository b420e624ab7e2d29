// The catalog's constant tables, as written in the source (UTF-8 texts).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/string_table.h"

namespace varno::catalog_data {

inline constexpr std::size_t MAX_INPUTS = 5;
inline constexpr std::size_t MAX_OPERANDS = 5;
inline constexpr std::size_t MAX_MEMBERS = 44;

struct FuncEntry {
    std::uint8_t number;
    std::string_view name;
    std::string_view description;
    std::uint8_t width;
    std::uint8_t height;
    std::uint8_t output;
    std::array<std::string_view, MAX_INPUTS> inputs;  // head row first; unused slots empty
    std::array<std::uint8_t, MAX_OPERANDS> hints;     // hint keys, 1 for op1; unused slots 0
};

struct CategoryEntry {
    StrId title;
    std::array<std::string_view, MAX_MEMBERS> members;  // unused slots empty
};

std::span<const std::string_view> BasicMnemonics();
std::span<const FuncEntry> Functions();
// Operand hint texts; index 0 is op1.
std::span<const std::string_view> OperandHints();
std::span<const CategoryEntry> Categories();

}  // namespace varno::catalog_data
