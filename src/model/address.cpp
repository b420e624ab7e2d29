#include "model/address.h"

#include <array>
#include <cstdint>
#include <limits>

#include "platform/codepage.h"

namespace varno {

namespace {

// The tokenizer shared by the parsers. Alphabetic means an ASCII letter: the classification
// of the code page sees no letters among the bytes above 0x7F.
class CTokenizer {
public:
    explicit CTokenizer(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool PeekAlpha() const {
        char c = Peek();
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
    bool PeekDigit() const { return Peek() >= '0' && Peek() <= '9'; }
    void Skip() { ++pos_; }

    // Reads a run of digits. Fails on a run longer than 19 digits, which no 64-bit value holds.
    bool ReadNumber(std::uint64_t& value) {
        std::size_t start = pos_;
        value = 0;
        while (PeekDigit()) {
            if (pos_ - start == 19) {
                return false;
            }
            value = value * 10 + static_cast<std::uint64_t>(Peek() - '0');
            ++pos_;
        }
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Steps 3 and 4 of the address parsers: byte number and bit after the letter.
bool ParseNumberAndBit(CTokenizer& tok, std::uint64_t maxNumber, LDADDR& addr) {
    addr.number = 0;
    if (tok.PeekDigit()) {
        std::uint64_t value = 0;
        if (!tok.ReadNumber(value) || value > maxNumber) {
            return false;
        }
        addr.number = static_cast<std::uint16_t>(value);
    }
    addr.bit = -1;
    if (tok.Peek() == '.') {
        tok.Skip();
        if (tok.PeekDigit()) {
            std::uint64_t bit = 0;
            if (!tok.ReadNumber(bit) || bit > 7) {
                return false;
            }
            addr.bit = static_cast<std::int8_t>(bit);
        }
    }
    return true;
}

bool ParseOperandLimited(std::string_view text, CLDCmd& cmd, std::uint64_t maxNumber) {
    if (text.empty()) {
        return false;
    }
    cmd.code = 0;
    CTokenizer tok(text);
    if (tok.PeekAlpha()) {
        cmd.code = LDOPD_ADDR;
        LDADDR addr;
        addr.letter = static_cast<std::uint8_t>(tok.Peek());
        tok.Skip();
        if (!ParseNumberAndBit(tok, maxNumber, addr)) {
            return false;
        }
        cmd.SetAddress(addr);
    } else {
        cmd.code = LDOPD_CONST;
        cmd.operand = 0;
        if (tok.PeekDigit()) {
            std::uint64_t value = 0;
            // A constant must survive the trip through its "%d" text, so it stays in range.
            if (!tok.ReadNumber(value) ||
                value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                return false;
            }
            cmd.SetConstant(static_cast<std::int32_t>(value));
        }
    }
    return tok.AtEnd();
}

constexpr std::array<CAddressRange, 10> RANGES = {{
    {'A', "A0000.0-%04d.7", 0, 31},
    {'X', "X0000.0-%04d.7", 0, 127},
    {'Y', "Y0000.0-%04d.7", 0, 127},
    {'F', "F0000.0-%04d.7", 0, 767},
    {'G', "G0000.0-%04d.7", 0, 999},
    {'R', "R0000.0-%04d.7", 0, 7999},
    {'R', "R9000.0-%04d.7", 9000, 9127},
    {'D', "D0000.0-%04d.7", 0, 999},
    {'K', "K0000.0-%04d.7", 0, 31},
    {'C', "C0000.0-%04d.7", 0, 399},
}};

enum RangeRow { A, X, Y, F, G, R, R_UPPER, D, K, C };

std::vector<const CAddressRange*> Rows(std::initializer_list<RangeRow> rows) {
    std::vector<const CAddressRange*> out;
    for (RangeRow row : rows) {
        out.push_back(&RANGES[row]);
    }
    return out;
}

}  // namespace

int LetterIndex(char letter) {
    std::size_t i = ADDRESS_LETTERS.find(letter);
    return (letter == '\0' || i == std::string_view::npos) ? -1 : static_cast<int>(i);
}

std::string FormatAddress(const LDADDR& addr, bool withBit) {
    if (addr.letter == 0) {
        return {};
    }
    std::string text = Format("%c%04d", static_cast<char>(addr.letter), addr.number);
    if (withBit && addr.bit >= 0) {
        text += Format(".%01d", addr.bit);
    }
    return MbUpper(text);
}

std::string FormatOperand(const CLDCmd& cmd, bool withBit) {
    if (cmd.kind == LDCMD_NONE) {
        return {};
    }
    if (cmd.code == LDOPD_ADDR) {
        return FormatAddress(cmd.Address(), withBit);
    }
    return Format("%d", cmd.Constant());
}

bool ParseAddress(std::string_view text, LDADDR& addr) {
    if (text.empty()) {
        return false;
    }
    CTokenizer tok(text);
    if (!tok.PeekAlpha() || LetterIndex(tok.Peek()) < 0) {
        return false;
    }
    addr.letter = static_cast<std::uint8_t>(tok.Peek());
    tok.Skip();
    return ParseNumberAndBit(tok, 9999, addr) && tok.AtEnd();
}

bool ParseOperand(std::string_view text, CLDCmd& cmd) {
    if (text.empty()) {
        return false;
    }
    cmd.kind = LDCMD_NONE;
    return ParseOperandLimited(text, cmd, 32000);
}

bool ParseProgramOperand(std::string_view text, CLDCmd& cmd) {
    if (text.empty()) {
        return false;
    }
    cmd.kind = LDCMD_OPERAND;
    return ParseOperandLimited(text, cmd, 9999);
}

bool CheckAddressRange(const LDADDR& addr) {
    int n = addr.number;
    switch (addr.letter) {
        case 'A':
        case 'K':
            return n <= 31;
        case 'C':
            return n <= 399;
        case 'D':
            return n <= 999;
        case 'F':
            return n % 1000 < 768;
        case 'G':
            return true;
        case 'R':
            return n <= 7999 || (n >= 9000 && n <= 9127);
        case 'X':
        case 'Y':
            return n <= 127;
        default:
            return false;
    }
}

std::span<const CAddressRange> AddressRanges() {
    return RANGES;
}

const std::vector<const CAddressRange*>& ContactRanges() {
    static const auto rows = Rows({X, Y, F, G, R, R_UPPER, D, K, C, A});
    return rows;
}

const std::vector<const CAddressRange*>& CoilRanges() {
    static const auto rows = Rows({Y, G, R, K, A});
    return rows;
}

const std::vector<const CAddressRange*>& BatchEditRanges() {
    static const auto rows = Rows({X, Y, F, G, R, D, K, C, A});
    return rows;
}

std::string RangeHint(const CAddressRange& range) {
    return Format(range.format, range.last);
}

bool LetterInClass(char letter, ElementClass cls) {
    std::string_view letters = cls == ElementClass::Contact ? "ACDFGKRXY" : "AGKRY";
    return letter != '\0' && letters.find(letter) != std::string_view::npos;
}

std::optional<CElementAddress> ValidateElementAddress(const std::string& text, ElementClass cls,
                                                      const SymbolLookup& lookup) {
    auto check = [cls](const std::string& candidate) -> std::optional<CElementAddress> {
        CLDCmd cmd;
        if (!ParseOperand(candidate, cmd) || cmd.code != LDOPD_ADDR) {
            return std::nullopt;
        }
        LDADDR addr = cmd.Address();
        if (!LetterInClass(static_cast<char>(addr.letter), cls) || !CheckAddressRange(addr)) {
            return std::nullopt;
        }
        return CElementAddress{addr, candidate};
    };
    if (text.empty()) {
        return std::nullopt;
    }
    if (auto direct = check(text)) {
        return direct;
    }
    if (lookup) {
        if (auto resolved = lookup(text)) {
            return check(*resolved);
        }
    }
    return std::nullopt;
}

}  // namespace varno
