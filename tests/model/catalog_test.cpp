#include "model/catalog.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace varno {
namespace {

CLDCmd Head(int number) {
    CLDCmd cmd;
    cmd.kind = LDCMD_FUNC;
    cmd.code = static_cast<std::uint8_t>(number);
    return cmd;
}

CLDCmd Const(int value) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    cmd.code = LDOPD_CONST;
    cmd.SetConstant(value);
    return cmd;
}

std::string Names(const CFuncCategory& category) {
    std::string s;
    for (auto number : category.members) {
        s += std::string(*FuncName(number)) + " ";
    }
    return s;
}

TEST(Catalog, BasicMnemonics) {
    EXPECT_EQ(BasicMnemonic(0), "   ");
    EXPECT_EQ(BasicMnemonic(BASIC_RD_NOT_STK), "RD.NOT.STK");
    EXPECT_EQ(BasicMnemonic(BASIC_WRT), "WRT");
    EXPECT_EQ(BasicMnemonic(BASIC_RDNT_STK), "RDNT.STK");
    EXPECT_EQ(BasicMnemonic(23), "");
    for (std::size_t i = 0; i < std::size(CONTACT_CODES); ++i) {
        EXPECT_EQ(BasicMnemonic(CONTACT_CODES[i]).substr(0, 2), "RD");
    }
    EXPECT_EQ(COIL_CODES[2], BASIC_SET);
    EXPECT_EQ(CONTACT_SYMBOLS[2], "-|P|-");
}

TEST(Catalog, EmptySlotsAndRange) {
    EXPECT_EQ(FuncName(4), std::nullopt);
    EXPECT_EQ(FuncName(73), std::nullopt);
    EXPECT_EQ(FuncName(200), std::nullopt);
    EXPECT_EQ(FuncName(0), std::nullopt);
    EXPECT_EQ(FuncDescriptor(0), nullptr);
    EXPECT_EQ(FuncDescriptor(-1), nullptr);
    EXPECT_EQ(FuncOperandCount(4), 0);
    EXPECT_EQ(FuncInputCount(200), 0);
    int used = 0;
    for (int n = 0; n < FUNC_SLOT_COUNT; ++n) {
        used += FuncName(n).has_value();
        EXPECT_EQ(FuncName(n).has_value(), FuncDescriptor(n) != nullptr) << n;
        EXPECT_EQ(FuncTexts(n) != nullptr, FuncDescriptor(n) != nullptr) << n;
        if (FuncTexts(n) != nullptr) {
            EXPECT_EQ(FuncTexts(n)->operandHints.size(), FuncDescriptor(n)->operandCount) << n;
        }
    }
    EXPECT_EQ(used, 44);
}

TEST(Catalog, DescriptorFields) {
    const CFuncDescriptor* ctr = FuncDescriptor(FUNC_CTR);
    ASSERT_NE(ctr, nullptr);
    EXPECT_EQ(*FuncName(FUNC_CTR), "CTR");
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_CTR)->description), "计数器");
    EXPECT_EQ(ctr->width, 4);
    EXPECT_EQ(ctr->height, 5);
    EXPECT_EQ(ctr->inputCount, 4);
    EXPECT_EQ(ctr->output, 1);
    EXPECT_EQ(ctr->inputNames, (std::vector<std::string>{"CN0", "UPDOWN", "RST", "ACT"}));
    ASSERT_EQ(ctr->operandCount, 1);
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_CTR)->operandHints[0]), "计数器号(如:0003)");

    const CFuncDescriptor* rotb = FuncDescriptor(FUNC_ROTB);
    EXPECT_EQ(rotb->height, 6);
    EXPECT_EQ(rotb->inputNames.back(), "ACT");
    ASSERT_EQ(rotb->operandCount, 5);
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_ROTB)->operandHints[3]), "目标位置地址");

    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_CODB)->operandHints[1]), "数据表大小");
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_AXCTL)->description), "PLC轴控制");
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_XMOVB)->operandHints[4]), "表内存储地址号");
    EXPECT_EQ(GbkToUtf8(FuncTexts(FUNC_JMPB)->operandHints[0]), "标号指定(如:L0010)");

    EXPECT_EQ(FuncOperandCount(FUNC_MOVE), 4);
    EXPECT_EQ(FuncInputCount(FUNC_XMOVB), 3);
    EXPECT_EQ(FuncOutputCount(FUNC_COME), 1);
    EXPECT_EQ(FuncOutputCount(FUNC_COM), 0);
    EXPECT_EQ(FuncDescriptor(FUNC_TMRB)->height, 3);
    EXPECT_EQ(FuncDescriptor(FUNC_SPCNT)->inputNames[1], "OVRD");
}

TEST(Catalog, ShapesAcrossTheTable) {
    std::set<std::string> threeWide, noInput, noOperands;
    for (int n = 0; n < FUNC_SLOT_COUNT; ++n) {
        const CFuncDescriptor* d = FuncDescriptor(n);
        if (d == nullptr) {
            continue;
        }
        std::string name(*FuncName(n));
        EXPECT_TRUE(d->width == 3 || d->width == 4) << name;
        EXPECT_TRUE(d->height >= 2 && d->height <= 6) << name;
        EXPECT_LE(d->inputCount, d->height) << name;
        if (d->width == 3) {
            threeWide.insert(name);
        }
        if (d->inputCount == 0) {
            noInput.insert(name);
        }
        if (d->operandCount == 0) {
            noOperands.insert(name);
        }
    }
    EXPECT_EQ(threeWide, (std::set<std::string>{"END1", "END2", "COM", "COME", "SPE"}));
    EXPECT_EQ(noInput, (std::set<std::string>{"END1", "END2", "CALLU", "LBL", "SP", "SPE"}));
    EXPECT_EQ(noOperands, (std::set<std::string>{"END1", "END2", "COM", "COME", "SPE"}));
}

TEST(Catalog, FindByName) {
    CLDCmd cmd = CLDCmd::Basic(1, 'X', 1, 0);
    ASSERT_TRUE(FindFuncByName("  TMR \t", cmd));
    EXPECT_EQ(cmd.kind, LDCMD_FUNC);
    EXPECT_EQ(cmd.code, FUNC_TMR);
    EXPECT_EQ(cmd.operand, 0u);

    CLDCmd untouched = CLDCmd::Basic(1, 'X', 1, 0);
    EXPECT_FALSE(FindFuncByName("tmr", untouched));
    EXPECT_FALSE(FindFuncByName("", untouched));
    EXPECT_FALSE(FindFuncByName("TM R", untouched));
    EXPECT_EQ(untouched, CLDCmd::Basic(1, 'X', 1, 0));
}

TEST(Catalog, Categories) {
    EXPECT_EQ(Category(0).title, IDS_CATEGORY_ALL);
    EXPECT_EQ(Category(0).members.size(), 44u);
    EXPECT_TRUE(std::is_sorted(Category(0).members.begin(), Category(0).members.end(),
                               [](auto a, auto b) { return *FuncName(a) < *FuncName(b); }));
    EXPECT_EQ(Names(Category(1)), "TMR TMRB ");
    EXPECT_EQ(Names(Category(2)), "CTR CTRB CTRC ");
    EXPECT_EQ(Names(Category(3)), "DSCHB MOVB MOVE MOVN MOVOR MOVW MWRT XMOVB ");
    EXPECT_EQ(Names(Category(4)), "COMPB ");
    EXPECT_EQ(Names(Category(5)), "ANDB DIFD DIFU EORB NOTB ORB PARI SFT ");
    EXPECT_EQ(Names(Category(6)), "CODB DCNV DCNVB DECB ");
    EXPECT_EQ(Names(Category(7)), "ADDB DIVB MULB NUMEB SUBB ");
    EXPECT_EQ(Names(Category(8)), "CALL CALLU COM COME END1 END2 JMPB LBL SP SPE ");
    EXPECT_EQ(Names(Category(9)), "ROTB ");
    EXPECT_EQ(Names(Category(10)), "AXCTL SPCNT ");
    EXPECT_EQ(Category(10).title, IDS_CATEGORY_INSTRUCTION_CONTROL);
    EXPECT_EQ(LoadString(Category(8).title, Lang::English), "Program control");
    EXPECT_THROW(Category(11), std::out_of_range);

    // Every instruction belongs to "All" and to exactly one other category.
    std::multiset<int> seen;
    for (int i = 1; i < CATEGORY_COUNT; ++i) {
        seen.insert(Category(i).members.begin(), Category(i).members.end());
    }
    for (auto number : Category(0).members) {
        EXPECT_EQ(seen.count(number), 1u) << *FuncName(number);
    }
    EXPECT_EQ(seen.size(), 44u);
}

TEST(Catalog, InstructionText) {
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_RD, 'X', 10, 3)), "RD         X0010.3");
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_WRT_NOT, 'Y', 1, -1)), "WRT.NOT    Y0001");
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_AND_STK, 'X', 10, 3)), "AND.STK    ");
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_OR_STK, 0, 0, 0)), "OR.STK     ");
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_NONE, 'X', 1, 1)), "           ");
    EXPECT_EQ(FormatInstruction(CLDCmd::Basic(BASIC_RDNT_STK, 'R', 9000, 7)), "RDNT.STK   R9000.7");
    EXPECT_EQ(FormatInstruction(Const(3)), "           3");
    CLDCmd addr;
    addr.kind = LDCMD_OPERAND;
    addr.code = LDOPD_ADDR;
    addr.SetAddress(LDADDR{'D', 2, 100});
    EXPECT_EQ(FormatInstruction(addr), "           D0100");
    EXPECT_EQ(FormatInstruction(Head(FUNC_TMR)), "TMR        ");
    EXPECT_EQ(FormatInstruction(Head(FUNC_XMOVB)), "XMOVB      ");
    EXPECT_EQ(Mnemonic(Head(4)), "");
    EXPECT_EQ(Mnemonic(Head(200)), " ");
    CLDCmd odd;
    odd.code = 30;
    EXPECT_EQ(Mnemonic(odd), " ");
}

TEST(Catalog, BlockGeometry) {
    const CLDCmd codb = Head(FUNC_CODB);
    std::vector<CLDCmd> ops = {Const(4), Const(10), Const(0), Const(0)};
    EXPECT_EQ(FuncWidth(codb), 4);
    EXPECT_EQ(FuncTableLength(codb, ops), 10);
    EXPECT_EQ(FuncHeight(codb, ops), 8);
    EXPECT_EQ(FuncRecordCount(codb, ops), 14);
    ops[0] = Const(2);
    EXPECT_EQ(FuncHeight(codb, ops), 7);
    ops[1] = Const(12);
    EXPECT_EQ(FuncHeight(codb, ops), 7);
    ops[1] = Const(13);
    EXPECT_EQ(FuncHeight(codb, ops), 8);
    ops[1] = Const(0);
    EXPECT_EQ(FuncHeight(codb, ops), 5);
    EXPECT_EQ(FuncRecordCount(codb, ops), 4);
    // A negative table size makes no table rather than a short block.
    ops[1] = Const(-5);
    EXPECT_EQ(FuncHeight(codb, ops), 5);
    EXPECT_EQ(FuncTableLength(codb, ops), 0);

    // Only CODB has a table, whatever its operands hold.
    std::vector<CLDCmd> addb = {Const(4), Const(10), Const(0), Const(0)};
    EXPECT_EQ(FuncHeight(Head(FUNC_ADDB), addb), 5);
    EXPECT_EQ(FuncRecordCount(Head(FUNC_ADDB), addb), 4);

    EXPECT_EQ(FuncWidth(Head(FUNC_SPE)), 3);
    EXPECT_EQ(FuncHeight(Head(FUNC_TMR), {}), 2);
    EXPECT_EQ(FuncWidth(Head(4)), 1);
    EXPECT_EQ(FuncHeight(Head(4), {}), 1);
    const CLDCmd contact = CLDCmd::Basic(BASIC_RD, 'X', 0, 0);
    EXPECT_EQ(FuncWidth(contact), 1);
    EXPECT_EQ(FuncHeight(contact, {}), 1);
    EXPECT_EQ(FuncRecordCount(contact, {}), 0);
}

}  // namespace
}  // namespace varno
