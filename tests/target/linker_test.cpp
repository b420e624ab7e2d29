#include "target/linker.h"

#include <gtest/gtest.h>

#include "model/address.h"
#include "model/catalog.h"
#include "support/recording_services.h"

namespace varno {
namespace {

CLDCmd Head(std::uint8_t number) {
    CLDCmd cmd;
    cmd.kind = LDCMD_FUNC;
    cmd.code = number;
    return cmd;
}

CLDCmd Operand(const char* text) {
    CLDCmd cmd;
    EXPECT_TRUE(ParseOperand(text, cmd)) << text;
    cmd.kind = LDCMD_OPERAND;
    return cmd;
}

CLDCmd Contact(std::uint8_t code, int number, int bit) {
    return CLDCmd::Basic(code, 'X', static_cast<std::uint16_t>(number),
                         static_cast<std::int8_t>(bit));
}

CLDCmdList List(std::initializer_list<CLDCmd> cmds) {
    CLDCmdList list;
    for (const CLDCmd& cmd : cmds) {
        list.Add(cmd);
    }
    list.Add(CLDCmd{});  // the end instruction
    return list;
}

TEST(Linker, EveryEdgeContactGetsTheNextWorkBitRightAfterIt) {
    // The eight edge codes, then a ninth edge contact; plain contacts get nothing.
    CLDCmdList list;
    list.Add(Contact(BASIC_RD, 0, 0));
    for (std::uint8_t code = BASIC_RDPT; code <= BASIC_RDNT_STK; ++code) {
        list.Add(Contact(code, 1, code - BASIC_RDPT));
    }
    list.Add(Contact(BASIC_AND, 2, 0));
    list.Add(Contact(BASIC_RDPT, 3, 0));
    list.Add(CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0));
    const std::size_t before = list.GetCount();
    test::CRecordingOutput output;
    ASSERT_TRUE(LinkInstructions(list, output));
    EXPECT_TRUE(output.lines.empty());
    ASSERT_EQ(list.GetCount(), before + 9);

    std::vector<std::string> workBits;
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        const CLDCmd& cmd = list[i];
        if (cmd.code == BASIC_EDGE_WORK_BIT) {
            ASSERT_GT(i, 0u);
            const CLDCmd& contact = list[i - 1];
            EXPECT_TRUE(contact.code >= BASIC_RDPT && contact.code <= BASIC_RDNT_STK) << i;
            EXPECT_EQ(cmd.kind, LDCMD_BASIC);
            EXPECT_EQ(cmd.vline, 0);
            EXPECT_EQ(cmd.reserved, 0);
            workBits.push_back(FormatAddress(cmd.Address(), true));
        }
    }
    EXPECT_EQ(workBits,
              (std::vector<std::string>{"W0000.0", "W0000.1", "W0000.2", "W0000.3", "W0000.4",
                                        "W0000.5", "W0000.6", "W0000.7", "W0001.0"}));
    EXPECT_EQ(list[0], Contact(BASIC_RD, 0, 0));
    EXPECT_EQ(list[list.GetCount() - 1], CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0));
}

TEST(Linker, CallsAndJumpsBecomeThePositionOfTheirHead) {
    // Positions from 1: RDPT 1, W bit 2, JMPB 3, L0002 4, LBL 5, L0002 6, LBL 7, L0002 8,
    // CALL 9, P0001 10, SP 11, P0001 12, CALLU 13, P0001 14.
    CLDCmdList list =
        List({Contact(BASIC_RDPT, 0, 0), Head(FUNC_JMPB), Operand("L0002"), Head(FUNC_LBL),
              Operand("L0002"), Head(FUNC_LBL), Operand("L0002"), Head(FUNC_CALL), Operand("P0001"),
              Head(FUNC_SP), Operand("P0001"), Head(FUNC_CALLU), Operand("P0001")});
    test::CRecordingOutput output;
    ASSERT_TRUE(LinkInstructions(list, output));
    const CLDCmd& jump = list[3];
    EXPECT_EQ(jump.kind, LDCMD_OPERAND);
    EXPECT_EQ(jump.code, LDOPD_CONST);
    // The first of the two labels, counted after the work bit: the index of its operand.
    EXPECT_EQ(jump.Constant(), 5);
    EXPECT_EQ(list[5], Operand("L0002"));
    EXPECT_EQ(list[9].code, LDOPD_CONST);
    EXPECT_EQ(list[9].Constant(), 11);
    EXPECT_EQ(list[13].Constant(), 11);
    // The targets' own operands stay addresses.
    EXPECT_EQ(list[11], Operand("P0001"));
}

TEST(Linker, ReportsEveryTargetThatIsMissingInListOrder) {
    CLDCmdList list = List({Head(FUNC_SP), Operand("P0001"), Head(FUNC_CALL), Operand("P0002"),
                            Head(FUNC_JMPB), Operand("L0007"), Head(FUNC_CALLU), Operand("P0001"),
                            Head(FUNC_CALL), Operand("123"), Head(FUNC_LBL), Operand("L0008")});
    test::CRecordingOutput output;
    SetLanguage(Lang::English);
    EXPECT_FALSE(LinkInstructions(list, output));
    EXPECT_EQ(output.lines,
              (std::vector<std::string>{"Undefined sub procedure P0002.", "Undefined label L0007.",
                                        "Undefined sub procedure 123."}));
    // Resolution went on past the missing ones.
    EXPECT_EQ(list[7].code, LDOPD_CONST);
    EXPECT_EQ(list[7].Constant(), 1);
    EXPECT_EQ(list[3], Operand("P0002"));
}

TEST(Linker, MatchesLetterAndByteNumberButNotTheBit) {
    CLDCmd labelWithBit = Operand("L0003");
    LDADDR addr = labelWithBit.Address();
    addr.bit = 5;
    labelWithBit.SetAddress(addr);
    CLDCmdList list = List({Head(FUNC_LBL), labelWithBit, Head(FUNC_JMPB), Operand("L0003"),
                            Head(FUNC_JMPB), Operand("R0003")});
    test::CRecordingOutput output;
    EXPECT_FALSE(LinkInstructions(list, output));
    EXPECT_EQ(list[3].Constant(), 1);
    EXPECT_EQ(output.lines, std::vector<std::string>{"Undefined label R0003."});
}

}  // namespace
}  // namespace varno
