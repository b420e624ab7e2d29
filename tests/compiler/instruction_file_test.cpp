#include "compiler/instruction_file.h"

#include <gtest/gtest.h>

#include "model/address.h"
#include "model/catalog.h"
#include "platform/archive.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

const std::string SEPARATOR = std::string(30, ';');

CLDCmd Head(std::uint8_t number) {
    CLDCmd cmd;
    cmd.kind = LDCMD_FUNC;
    cmd.code = number;
    return cmd;
}

CLDCmd Operand(std::uint8_t tag, std::uint32_t value) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    cmd.code = tag;
    cmd.operand = value;
    return cmd;
}

CLDCmdList ListOf(std::initializer_list<CLDCmd> cmds) {
    CLDCmdList list;
    for (const CLDCmd& cmd : cmds) {
        list.Add(cmd);
    }
    return list;
}

TEST(InstructionLine, PadsTheMnemonicToElevenAndAppendsTheOperand) {
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_RD, 'X', 10, 3)), "RD         X0010.3");
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0)), "WRT        Y0000.0");
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_RD_NOT_STK, 'R', 123, -1)), "RD.NOT.STK R0123");
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_AND_STK, 'X', 1, 1)), "AND.STK    ");
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_OR_STK, 0, 0, 0)), "OR.STK     ");
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_NONE, 'X', 1, 1)), std::string(11, ' '));
    // A basic instruction without address letter has an empty operand field.
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(BASIC_AND, 0, 7, 2)), "AND        ");
    // A basic code outside the table has no mnemonic but keeps its address.
    EXPECT_EQ(InstructionLine(CLDCmd::Basic(23, 'W', 0, 5)), std::string(11, ' ') + "W0000.5");
}

// The lines are written without printf; every field must still read as printf wrote it,
// also for values no generated program holds.
TEST(InstructionLine, FieldsMatchTheirPrintfFormsAtTheEdges) {
    for (int number : {0, 9, 10, 999, 1000, 9999, 10000, 65535}) {
        for (int bit : {-1, 0, 7, 9, 10, 127}) {
            // Upper and lower case, the characters next to the letters, and GBK lead bytes.
            for (int letter : {0x58, 0x79, 0x7A, 0x41, 0x40, 0x7B, 0x81, 0xFE}) {
                const LDADDR addr{static_cast<std::uint8_t>(letter), static_cast<std::int8_t>(bit),
                                  static_cast<std::uint16_t>(number)};
                CLDCmd basic = CLDCmd::Basic(BASIC_ORNT, addr.letter, addr.number, addr.bit);
                EXPECT_EQ(InstructionLine(basic), "ORNT       " + FormatAddress(addr, true));
                CLDCmd operand = Operand(LDOPD_ADDR, 0);
                operand.SetAddress(addr);
                EXPECT_EQ(InstructionLine(operand),
                          std::string(11, ' ') + FormatAddress(addr, false));
            }
        }
    }
    for (std::int32_t value : {0, 1, -1, 10, -10, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(InstructionLine(Operand(LDOPD_CONST, static_cast<std::uint32_t>(value))),
                  std::string(11, ' ') + Format("%d", value));
    }
}

TEST(InstructionLine, HeadsAndOperandRecords) {
    EXPECT_EQ(InstructionLine(Head(FUNC_TMR)), "TMR        ");
    EXPECT_EQ(InstructionLine(Head(FUNC_NUMEB)), "NUMEB      ");
    CLDCmd addr = Operand(LDOPD_ADDR, 0);
    addr.SetAddress(LDADDR{'R', 4, 100});
    EXPECT_EQ(InstructionLine(addr), std::string(11, ' ') + "R0100");
    EXPECT_EQ(InstructionLine(Operand(LDOPD_CONST, 3)), std::string(11, ' ') + "3");
    EXPECT_EQ(InstructionLine(Operand(LDOPD_CONST, static_cast<std::uint32_t>(-5))),
              std::string(11, ' ') + "-5");
    // Any tag but the address tag prints the value.
    EXPECT_EQ(InstructionLine(Operand(5, 42)), std::string(11, ' ') + "42");
}

TEST(InstructionLine, OnlyBasicAndFunctionalRecordsHaveMnemonics) {
    // A record of another kind gets the blank mnemonic even when its code byte would name a
    // basic instruction.
    CLDCmd none;
    none.code = BASIC_OR;
    EXPECT_EQ(InstructionLine(none), std::string(11, ' '));
    CLDCmd input;
    input.kind = LDCMD_FUNC_INPUT;
    input.code = BASIC_RD;
    EXPECT_EQ(InstructionLine(input), std::string(11, ' '));
    // Functional numbers without a name, inside and outside the table.
    EXPECT_EQ(InstructionLine(Head(4)), std::string(11, ' '));
    EXPECT_EQ(InstructionLine(Head(73)), std::string(11, ' '));
    EXPECT_EQ(InstructionLine(Head(200)), std::string(11, ' '));
}

TEST(InstructionListText, SeparatesRungsAtLoadsAndInputlessHeads) {
    for (std::uint8_t code : {BASIC_RD, BASIC_RD_NOT, BASIC_RDPT, BASIC_RDNT}) {
        EXPECT_TRUE(StartsRung(CLDCmd::Basic(code, 'X', 0, 0))) << int(code);
    }
    for (std::uint8_t code : {BASIC_RD_STK, BASIC_RD_NOT_STK, BASIC_RDPT_STK, BASIC_RDNT_STK,
                              BASIC_AND, BASIC_OR, BASIC_WRT, BASIC_OR_STK}) {
        EXPECT_FALSE(StartsRung(CLDCmd::Basic(code, 'X', 0, 0))) << int(code);
    }
    for (std::uint8_t number : {FUNC_END1, FUNC_END2, FUNC_CALLU, FUNC_LBL, FUNC_SP, FUNC_SPE}) {
        EXPECT_TRUE(StartsRung(Head(number))) << int(number);
    }
    for (std::uint8_t number : {FUNC_TMR, FUNC_CTR, FUNC_CALL, FUNC_JMPB}) {
        EXPECT_FALSE(StartsRung(Head(number))) << int(number);
    }
    EXPECT_FALSE(StartsRung(Operand(LDOPD_CONST, 1)));
}

TEST(InstructionListText, OneNetworkGivesThreeLines) {
    CLDCmdList cmds =
        ListOf({CLDCmd::Basic(BASIC_RD, 'X', 0, 0), CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0)});
    EXPECT_EQ(InstructionListText(cmds), SEPARATOR +
                                             "1th Rung\r\n"
                                             "RD         X0000.0\r\n"
                                             "WRT        Y0000.0\r\n");
}

TEST(InstructionListText, CountsRungsAcrossTheWholeList) {
    CLDCmdList cmds = ListOf({
        CLDCmd::Basic(BASIC_RD, 'X', 0, 0),
        Head(FUNC_TMR),
        Operand(LDOPD_CONST, 1),
        CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0),
        CLDCmd::Basic(BASIC_RD_STK, 'X', 0, 1),  // a stack load continues the rung
        CLDCmd::Basic(BASIC_WRT, 'Y', 0, 1),
        Head(FUNC_END1),
    });
    EXPECT_EQ(InstructionListText(cmds), SEPARATOR +
                                             "1th Rung\r\n"
                                             "RD         X0000.0\r\n"
                                             "TMR        \r\n"
                                             "           1\r\n"
                                             "WRT        Y0000.0\r\n"
                                             "RD.STK     X0000.1\r\n"
                                             "WRT        Y0000.1\r\n" +
                                             SEPARATOR +
                                             "2th Rung\r\n"
                                             "END1       \r\n");
    EXPECT_EQ(InstructionListText(CLDCmdList()), "");
}

// Long lists are formatted in pieces; a rung cut by a piece boundary and the numbering across
// pieces must read as one pass would write them.
TEST(InstructionListText, LongListNumbersRungsOnAcrossPieces) {
    constexpr int INSTRUCTIONS = 150002;
    const std::uint8_t rung[] = {BASIC_RD, BASIC_AND, BASIC_AND_NOT, BASIC_WRT};
    CLDCmdList cmds;
    std::string expected;
    for (int i = 0; i < INSTRUCTIONS; ++i) {
        const CLDCmd cmd = CLDCmd::Basic(rung[i % 4], i % 4 == 3 ? 'Y' : 'X', i % 9999, i % 8);
        cmds.Add(cmd);
        if (i % 4 == 0) {
            expected += SEPARATOR + std::to_string(i / 4 + 1) + "th Rung\r\n";
        }
        expected += InstructionLine(cmd) + "\r\n";
    }
    EXPECT_EQ(InstructionListText(cmds), expected);
    test::CTempDir dir;
    WriteInstructionList(dir.File("PLC.txt"), cmds);
    EXPECT_EQ(test::ReadFileBytes(dir.File("PLC.txt")), expected);
}

TEST(InstructionListText, SeparatorFollowsTheInterfaceLanguage) {
    SetLanguage(Lang::Chinese);
    std::string text = InstructionListText(ListOf({Head(FUNC_END2)}));
    SetLanguage(Lang::English);
    EXPECT_EQ(text, Utf8ToGbk(SEPARATOR + "第1梯级\r\nEND2       \r\n"));
}

TEST(WriteInstructionList, WritesTheTextAndReplacesAnOlderFile) {
    test::CTempDir dir;
    const std::string path = dir.File("PLC.txt");
    test::WriteFileBytes(path, "old list that is longer than the new one\r\n");
    CLDCmdList cmds = ListOf({Head(FUNC_END1)});
    WriteInstructionList(path, cmds);
    EXPECT_EQ(test::ReadFileBytes(path), SEPARATOR + "1th Rung\r\nEND1       \r\n");
}

TEST(WriteInstructionList, AFailedWriteKeepsTheOldFile) {
    test::CTempDir dir;
    const std::string path = dir.File("PLC.txt");
    test::WriteFileBytes(path, "old");
    CLDCmdList cmds;
    for (int i = 0; i < 2000; ++i) {
        cmds.Add(CLDCmd::Basic(BASIC_RD, 'X', 0, 0));
    }
    CFileArchive::SetWriteFaultForTesting(100);
    EXPECT_THROW(WriteInstructionList(path, cmds), CFileException);
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    EXPECT_EQ(test::ReadFileBytes(path), "old");
    EXPECT_THROW(WriteInstructionList(dir.File("missing/PLC.txt"), cmds), CFileException);
}

}  // namespace
}  // namespace varno
