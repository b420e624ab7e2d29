// Addresses and operands: their text form, the three parsers, the per-letter validity rule, the
// table of address ranges the dialogs show as hints, and the element address check.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ldcmd.h"

namespace varno {

// The memory-area letters, in index order.
inline constexpr std::string_view ADDRESS_LETTERS = "ACDFGKLPRTXY";

// 0..11, or -1 for a character outside ADDRESS_LETTERS.
int LetterIndex(char letter);

// Letter, byte number padded to four digits, and ".bit" when withBit and bit >= 0; upper case.
// Empty when the letter is 0.
std::string FormatAddress(const LDADDR& addr, bool withBit);
// Empty for kind 0; the address text for an address operand, else the constant in decimal.
std::string FormatOperand(const CLDCmd& cmd, bool withBit);

// The strict parser for element addresses, program names and comment addresses.
bool ParseAddress(std::string_view text, LDADDR& addr);
// Operand text: an address (any letter, byte numbers to 32000) or an unsigned decimal constant.
// Fills the tag (code byte) and the operand; leaves kind 0.
bool ParseOperand(std::string_view text, CLDCmd& cmd);
// As ParseOperand with kind LDCMD_OPERAND and byte numbers to 9999 (subprogram names).
bool ParseProgramOperand(std::string_view text, CLDCmd& cmd);

// Whether the byte number is valid for the letter (the bit is not tested).
bool CheckAddressRange(const LDADDR& addr);

// One row of the address range table.
struct CAddressRange {
    char bank;
    const char* format;  // the bank's display format, filled with `last`
    int first;
    int last;
};

// All rows in table order.
std::span<const CAddressRange> AddressRanges();
// The rows each dialog lists, in its order.
const std::vector<const CAddressRange*>& ContactRanges();
const std::vector<const CAddressRange*>& CoilRanges();
const std::vector<const CAddressRange*>& BatchEditRanges();
// The hint text of a row, such as X0000.0-0127.7.
std::string RangeHint(const CAddressRange& range);

// Which letters an element accepts.
enum class ElementClass { Contact, Coil };
bool LetterInClass(char letter, ElementClass cls);

// Maps a symbol to the address text stored for it, if any.
using SymbolLookup = std::function<std::optional<std::string>(const std::string& symbol)>;

struct CElementAddress {
    LDADDR address;
    std::string text;  // the address text that was accepted (a symbol's address text)
};

// The check the contact and coil dialogs make on OK: the text must be an address of the
// element's class within its range, or a symbol whose address is. An empty text is refused
// without a look-up; a constant is never an address.
std::optional<CElementAddress> ValidateElementAddress(const std::string& text, ElementClass cls,
                                                      const SymbolLookup& lookup);

}  // namespace varno
