#include "model/address.h"

#include <cstring>
#include <map>

#include <gtest/gtest.h>

namespace varno {
namespace {

LDADDR Addr(char letter, int number, int bit) {
    return LDADDR{static_cast<std::uint8_t>(letter), static_cast<std::int8_t>(bit),
                  static_cast<std::uint16_t>(number)};
}

std::optional<LDADDR> Parse(std::string_view text) {
    LDADDR addr;
    return ParseAddress(text, addr) ? std::optional(addr) : std::nullopt;
}

std::optional<CLDCmd> Operand(std::string_view text) {
    CLDCmd cmd;
    return ParseOperand(text, cmd) ? std::optional(cmd) : std::nullopt;
}

TEST(Address, RecordsArePackedAsStored) {
    CLDCmd cmd = CLDCmd::Basic(1, 'X', 0x0102, 3);
    unsigned char bytes[8];
    std::memcpy(bytes, &cmd, 8);
    const unsigned char expected[8] = {16, 0, 1, 0, 'X', 3, 0x02, 0x01};
    EXPECT_EQ(0, std::memcmp(bytes, expected, 8));
    cmd.SetConstant(-2);
    std::memcpy(bytes, &cmd, 8);
    EXPECT_EQ(bytes[4], 0xFE);
    EXPECT_EQ(bytes[7], 0xFF);
}

TEST(Address, LetterIndexFollowsTheLetterSet) {
    EXPECT_EQ(LetterIndex('A'), 0);
    EXPECT_EQ(LetterIndex('L'), 6);
    EXPECT_EQ(LetterIndex('Y'), 11);
    EXPECT_EQ(LetterIndex('B'), -1);
    EXPECT_EQ(LetterIndex('x'), -1);
    EXPECT_EQ(LetterIndex('\0'), -1);
}

TEST(Address, StrictParserAcceptsTheAddressForms) {
    EXPECT_EQ(Parse("X0010.3"), Addr('X', 10, 3));
    EXPECT_EQ(Parse("X10"), Addr('X', 10, -1));
    EXPECT_EQ(Parse("X"), Addr('X', 0, -1));
    EXPECT_EQ(Parse("X.3"), Addr('X', 0, 3));
    EXPECT_EQ(Parse("X10."), Addr('X', 10, -1));
    EXPECT_EQ(Parse("P9999"), Addr('P', 9999, -1));
    EXPECT_EQ(Parse("R0.7"), Addr('R', 0, 7));
}

TEST(Address, StrictParserRejects) {
    for (const char* text : {"X10.8", "X10000", "x10", "B1", "10", "", "X10.3.1", "X 10", "X10a",
                             "X-1", "X10..", ".3", "X00000000000000000001"}) {
        EXPECT_EQ(Parse(text), std::nullopt) << text;
    }
    // A digit run longer than any 64-bit value is rejected, not wrapped.
    EXPECT_EQ(Parse("X" + std::string(25, '0')), std::nullopt);
    EXPECT_EQ(Parse("X1." + std::string(20, '0')), std::nullopt);
}

TEST(Address, OperandParserAddressesAndConstants) {
    auto x = Operand("X10000");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->kind, LDCMD_NONE);
    EXPECT_EQ(x->code, LDOPD_ADDR);
    EXPECT_EQ(x->Address(), Addr('X', 10000, -1));

    EXPECT_TRUE(Operand("G32000"));
    EXPECT_FALSE(Operand("G32001"));

    auto b = Operand("b5");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Address(), Addr('b', 5, -1));

    auto c = Operand("0123");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->code, LDOPD_CONST);
    EXPECT_EQ(c->Constant(), 123);

    EXPECT_EQ(Operand("2147483647")->Constant(), 2147483647);
    for (const char* text : {"12a", "-1", "+5", "", "2147483648", ".", "D10.9", " 5"}) {
        EXPECT_FALSE(Operand(text)) << text;
    }
}

TEST(Address, ProgramOperandParser) {
    CLDCmd cmd;
    ASSERT_TRUE(ParseProgramOperand("P0010", cmd));
    EXPECT_EQ(cmd.kind, LDCMD_OPERAND);
    EXPECT_EQ(cmd.code, LDOPD_ADDR);
    EXPECT_EQ(cmd.Address(), Addr('P', 10, -1));
    EXPECT_FALSE(ParseProgramOperand("P10000", cmd));
    EXPECT_FALSE(ParseProgramOperand("", cmd));
}

TEST(Address, Formatting) {
    EXPECT_EQ(FormatAddress(Addr('X', 10, 3), true), "X0010.3");
    EXPECT_EQ(FormatAddress(Addr('X', 10, 3), false), "X0010");
    EXPECT_EQ(FormatAddress(Addr('D', 100, -1), true), "D0100");
    EXPECT_EQ(FormatAddress(Addr('G', 12000, -1), true), "G12000");
    EXPECT_EQ(FormatAddress(Addr('b', 5, 0), true), "B0005.0");
    EXPECT_EQ(FormatAddress(Addr(0, 5, 1), true), "");

    CLDCmd op;
    EXPECT_EQ(FormatOperand(op, true), "");
    op.kind = LDCMD_OPERAND;
    op.code = LDOPD_CONST;
    op.SetConstant(-7);
    EXPECT_EQ(FormatOperand(op, true), "-7");
    op.code = LDOPD_ADDR;
    op.SetAddress(Addr('R', 9000, 2));
    EXPECT_EQ(FormatOperand(op, true), "R9000.2");
    EXPECT_EQ(FormatOperand(op, false), "R9000");
}

TEST(Address, RangeCheckBoundaries) {
    const std::map<std::string, bool> cases = {
        {"A0031", true},  {"A0032", false}, {"K0031", true},  {"K0032", false}, {"C0399", true},
        {"C0400", false}, {"D0999", true},  {"D1000", false}, {"F0767", true},  {"F0768", false},
        {"F1000", true},  {"F1767", true},  {"F1768", false}, {"F9767", true},  {"G0000", true},
        {"G9999", true},  {"R7999", true},  {"R8000", false}, {"R9000", true},  {"R9127", true},
        {"R9128", false}, {"X0127", true},  {"X0128", false}, {"Y0127", true},  {"Y0128", false},
        {"L0001", false}, {"P0001", false}, {"T0000", false},
    };
    for (const auto& [text, valid] : cases) {
        auto addr = Parse(text);
        ASSERT_TRUE(addr) << text;
        EXPECT_EQ(CheckAddressRange(*addr), valid) << text;
    }
    EXPECT_TRUE(CheckAddressRange(Addr('G', 32000, -1)));
    EXPECT_FALSE(CheckAddressRange(Addr('b', 0, -1)));
}

TEST(Address, RangeTableAndDialogLists) {
    auto banks = [](const std::vector<const CAddressRange*>& rows) {
        std::string s;
        for (const auto* r : rows) {
            s += r->bank;
        }
        return s;
    };
    EXPECT_EQ(banks(ContactRanges()), "XYFGRRDKCA");
    EXPECT_EQ(banks(CoilRanges()), "YGRKA");
    EXPECT_EQ(banks(BatchEditRanges()), "XYFGRDKCA");
    EXPECT_EQ(RangeHint(*ContactRanges()[5]), "R9000.0-9127.7");
    EXPECT_EQ(RangeHint(*CoilRanges()[0]), "Y0000.0-0127.7");
    EXPECT_EQ(RangeHint(*BatchEditRanges()[4]), "R0000.0-7999.7");
    std::string hints;
    for (const auto& r : AddressRanges()) {
        hints += RangeHint(r) + " ";
    }
    EXPECT_EQ(hints,
              "A0000.0-0031.7 X0000.0-0127.7 Y0000.0-0127.7 F0000.0-0767.7 G0000.0-0999.7 "
              "R0000.0-7999.7 R9000.0-9127.7 D0000.0-0999.7 K0000.0-0031.7 C0000.0-0399.7 ");
    // Every hint's own bounds pass the range check.
    for (const auto& r : AddressRanges()) {
        EXPECT_TRUE(CheckAddressRange(Addr(r.bank, r.first, -1))) << r.bank;
        EXPECT_TRUE(CheckAddressRange(Addr(r.bank, r.last, -1))) << r.bank;
    }
}

TEST(Address, ElementValidation) {
    std::map<std::string, std::string> symbols = {
        {"START", "X0001.0"}, {"LAMP", "Y0002.1"}, {"BAD", "X0999"}, {"NUM", "12"}};
    int lookups = 0;
    SymbolLookup lookup = [&](const std::string& s) -> std::optional<std::string> {
        ++lookups;
        auto it = symbols.find(s);
        return it == symbols.end() ? std::nullopt : std::optional(it->second);
    };

    auto contact = ValidateElementAddress("X0001.2", ElementClass::Contact, lookup);
    ASSERT_TRUE(contact);
    EXPECT_EQ(contact->address, Addr('X', 1, 2));
    EXPECT_EQ(lookups, 0);

    // The coil class rejects X although X0001 passes the range check.
    EXPECT_FALSE(ValidateElementAddress("X0001", ElementClass::Coil, lookup));
    EXPECT_TRUE(ValidateElementAddress("Y0001", ElementClass::Coil, lookup));
    EXPECT_FALSE(ValidateElementAddress("L0001", ElementClass::Contact, lookup));
    EXPECT_FALSE(ValidateElementAddress("D1000", ElementClass::Contact, lookup));

    auto symbol = ValidateElementAddress("START", ElementClass::Contact, lookup);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->address, Addr('X', 1, 0));
    EXPECT_EQ(symbol->text, "X0001.0");
    EXPECT_FALSE(ValidateElementAddress("START", ElementClass::Coil, lookup));
    EXPECT_FALSE(ValidateElementAddress("BAD", ElementClass::Contact, lookup));
    EXPECT_FALSE(ValidateElementAddress("NOPE", ElementClass::Contact, lookup));

    // A plain number is never an address, directly or through a symbol.
    EXPECT_FALSE(ValidateElementAddress("12", ElementClass::Contact, lookup));
    EXPECT_FALSE(ValidateElementAddress("NUM", ElementClass::Contact, lookup));

    lookups = 0;
    EXPECT_FALSE(ValidateElementAddress("", ElementClass::Contact, lookup));
    EXPECT_EQ(lookups, 0);
}

}  // namespace
}  // namespace varno
