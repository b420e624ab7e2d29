// The two packed records every part of the model shares: LDADDR, a 4-byte address, and
// CLDCmd, the 8-byte element, instruction and operand record.
//
// CLDCmd bytes: 0 kind, 1 vertical-line flag, 2 code (basic code, functional number, operand
// tag or control-input index), 3 reserved (0), 4..7 operand (an LDADDR or a signed 32-bit
// constant, little-endian).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace varno {

// Kinds (byte 0).
inline constexpr std::uint8_t LDCMD_NONE = 0;
inline constexpr std::uint8_t LDCMD_BASIC = 16;
inline constexpr std::uint8_t LDCMD_FUNC = 17;
inline constexpr std::uint8_t LDCMD_OPERAND = 18;
inline constexpr std::uint8_t LDCMD_FUNC_INPUT = 19;
inline constexpr std::uint8_t LDCMD_FUNC_END = 20;
inline constexpr std::uint8_t LDCMD_HLINE = 45;  // '-'

// Operand tags (byte 2 of an LDCMD_OPERAND record).
inline constexpr std::uint8_t LDOPD_CONST = 0x81;
inline constexpr std::uint8_t LDOPD_ADDR = 0x82;

struct LDADDR {
    std::uint8_t letter = 0;  // ASCII area letter; 0 means no address
    std::int8_t bit = 0;      // 0..7, or -1 for a byte address
    std::uint16_t number = 0;

    bool operator==(const LDADDR&) const = default;
};
static_assert(sizeof(LDADDR) == 4);
static_assert(offsetof(LDADDR, bit) == 1 && offsetof(LDADDR, number) == 2);

struct CLDCmd {
    std::uint8_t kind = LDCMD_NONE;
    std::uint8_t vline = 0;
    std::uint8_t code = 0;
    std::uint8_t reserved = 0;
    std::uint32_t operand = 0;  // raw bytes 4..7

    // A basic instruction: kind LDCMD_BASIC, bytes 1 and 3 zero.
    static CLDCmd Basic(std::uint8_t code, std::uint8_t letter, std::uint16_t number,
                        std::int8_t bit) {
        CLDCmd cmd;
        cmd.kind = LDCMD_BASIC;
        cmd.code = code;
        cmd.SetAddress(LDADDR{letter, bit, number});
        return cmd;
    }

    LDADDR Address() const { return std::bit_cast<LDADDR>(operand); }
    void SetAddress(const LDADDR& addr) { operand = std::bit_cast<std::uint32_t>(addr); }
    std::int32_t Constant() const { return static_cast<std::int32_t>(operand); }
    void SetConstant(std::int32_t value) { operand = static_cast<std::uint32_t>(value); }

    bool operator==(const CLDCmd&) const = default;
};
static_assert(sizeof(CLDCmd) == 8);
static_assert(offsetof(CLDCmd, vline) == 1 && offsetof(CLDCmd, code) == 2 &&
              offsetof(CLDCmd, reserved) == 3 && offsetof(CLDCmd, operand) == 4);

}  // namespace varno
