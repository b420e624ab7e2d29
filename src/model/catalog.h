// The instruction catalog: basic codes and mnemonics, the functional-instruction table with
// block geometry, control inputs and operand hints, the categories, and the instruction text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ldcmd.h"
#include "platform/string_table.h"

namespace varno {

// Basic instruction codes.
enum BasicCode : std::uint8_t {
    BASIC_NONE = 0,
    BASIC_RD = 1,
    BASIC_RD_NOT = 2,
    BASIC_AND = 3,
    BASIC_AND_NOT = 4,
    BASIC_OR = 5,
    BASIC_OR_NOT = 6,
    BASIC_RD_STK = 7,
    BASIC_RD_NOT_STK = 8,
    BASIC_AND_STK = 9,
    BASIC_OR_STK = 10,
    BASIC_WRT = 11,
    BASIC_WRT_NOT = 12,
    BASIC_SET = 13,
    BASIC_RST = 14,
    BASIC_RDPT = 15,
    BASIC_ANDPT = 16,
    BASIC_ORPT = 17,
    BASIC_RDPT_STK = 18,
    BASIC_RDNT = 19,
    BASIC_ANDNT = 20,
    BASIC_ORNT = 21,
    BASIC_RDNT_STK = 22,
};
inline constexpr int BASIC_CODE_COUNT = 23;

// Functional instruction numbers.
enum FuncNumber : std::uint8_t {
    FUNC_END1 = 1,
    FUNC_END2 = 2,
    FUNC_TMR = 3,
    FUNC_CTR = 5,
    FUNC_MOVE = 8,
    FUNC_COM = 9,
    FUNC_PARI = 11,
    FUNC_MWRT = 12,
    FUNC_DCNV = 14,
    FUNC_TMRB = 24,
    FUNC_DECB = 25,
    FUNC_ROTB = 26,
    FUNC_CODB = 27,
    FUNC_MOVOR = 28,
    FUNC_COME = 29,
    FUNC_DCNVB = 31,
    FUNC_COMPB = 32,
    FUNC_SFT = 33,
    FUNC_DSCHB = 34,
    FUNC_XMOVB = 35,
    FUNC_ADDB = 36,
    FUNC_SUBB = 37,
    FUNC_MULB = 38,
    FUNC_DIVB = 39,
    FUNC_NUMEB = 40,
    FUNC_MOVB = 43,
    FUNC_MOVW = 44,
    FUNC_MOVN = 45,
    FUNC_SPCNT = 46,
    FUNC_AXCTL = 53,
    FUNC_CTRC = 55,
    FUNC_CTRB = 56,
    FUNC_DIFU = 57,
    FUNC_DIFD = 58,
    FUNC_EORB = 59,
    FUNC_ANDB = 60,
    FUNC_ORB = 61,
    FUNC_NOTB = 62,
    FUNC_CALL = 65,
    FUNC_CALLU = 66,
    FUNC_JMPB = 68,
    FUNC_LBL = 69,
    FUNC_SP = 71,
    FUNC_SPE = 72,
};
inline constexpr int FUNC_SLOT_COUNT = 74;  // numbers 0..73

struct CFuncDescriptor {
    std::uint8_t width;
    std::uint8_t height;
    std::uint8_t operandCount;
    std::uint8_t inputCount;
    std::uint8_t output;
    std::vector<std::string> inputNames;  // head row first
};

// What the editor shows of an instruction. Kept apart from the descriptors and made on first
// use: only dialogs need them, and converting them costs more than building the rest.
struct CFuncTexts {
    std::string description;                // GBK
    std::vector<std::string> operandHints;  // GBK, one per operand
};

// The mnemonic of a basic code 0..22; empty for any other code.
std::string_view BasicMnemonic(int code);

// The contact and coil dialogs' symbol lists and the codes at their positions.
inline constexpr std::uint8_t CONTACT_CODES[] = {BASIC_RD, BASIC_RD_NOT, BASIC_RDPT, BASIC_RDNT};
inline constexpr std::string_view CONTACT_SYMBOLS[] = {"-| |-", "-|/|-", "-|P|-", "-|N|-"};
inline constexpr std::uint8_t COIL_CODES[] = {BASIC_WRT, BASIC_WRT_NOT, BASIC_SET, BASIC_RST};
inline constexpr std::string_view COIL_SYMBOLS[] = {"-( )-", "-(/)-", "-(S)-", "-(R)-"};

std::optional<std::string_view> FuncName(int number);
const CFuncDescriptor* FuncDescriptor(int number);
// Null where FuncDescriptor is null.
const CFuncTexts* FuncTexts(int number);
int FuncOperandCount(int number);
int FuncInputCount(int number);
int FuncOutputCount(int number);

// Trims blanks and looks the name up exactly; on a match sets cmd to kind LDCMD_FUNC with the
// number and operand 0, otherwise leaves it unchanged.
bool FindFuncByName(std::string_view text, CLDCmd& cmd);

struct CFuncCategory {
    StrId title;
    std::span<const std::uint16_t> members;  // instruction numbers, alphabetical by name
};
inline constexpr int CATEGORY_COUNT = 11;
// Index 0..10 in the catalog's order; index 0 is "All".
const CFuncCategory& Category(int index);

// The mnemonic printed for an instruction record.
std::string Mnemonic(const CLDCmd& cmd);
// One instruction line: the mnemonic padded to 11, then the address or operand.
std::string FormatInstruction(const CLDCmd& cmd);

// Block geometry of a cell. `operands` are the head's operand records (only CODB reads them).
// For a cell that is not a functional head, width and height are 1 and the rest 0.
int FuncWidth(const CLDCmd& cell);
int FuncHeight(const CLDCmd& cell, std::span<const CLDCmd> operands);
int FuncTableLength(const CLDCmd& cell, std::span<const CLDCmd> operands);
int FuncRecordCount(const CLDCmd& cell, std::span<const CLDCmd> operands);

}  // namespace varno
