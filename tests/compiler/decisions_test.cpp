// Cases where the compiler keeps to a sound reading: stale node slots, input cells without a
// block, the bytes of emitted instructions, long programs, and loops left by the merges.
#include <gtest/gtest.h>

#include "compiler/compile.h"
#include "ladder_picture.h"
#include "model/catalog.h"

namespace varno::test {
namespace {

using Lines = std::vector<std::string>;
using Errors = std::vector<CErrorInfo>;

CErrorInfo Error(int row, int kind) {
    return CErrorInfo{row, kind, "LEVEL1"};
}

TEST(CompileDecisions, SlotsOutsideTheNetworkReadAsEmpty) {
    // Row 1's vertical flag sits inside the timer's head-row area, so it does not join row 1
    // to row 0, but it gives row 0 a junction whose line down meets row 1. Row 1 belongs to
    // the next network: its slots are that network's (or an earlier compile's) and must not
    // be followed.
    auto ladder = LadderFromPicture({"A ... (Y)", "B [TMR:1] # # |# - - (Y1)", ". . # # #"});
    ASSERT_EQ(ladder->NetworkEnd(0), 1);
    const Lines expected{"RD A", "WRT Y", "RD B", "TMR", "(1)", "WRT Y1"};
    for (int run = 0; run < 3; ++run) {
        CLDCmdList out;
        CErrorList errors;
        EXPECT_TRUE(CompileLadder(*ladder, out, errors)) << run;
        EXPECT_TRUE(errors.IsEmpty()) << run;
        EXPECT_EQ(Listing(out), expected) << run;
    }
}

TEST(CompileDecisions, SlotsInsideABlockPlacedAfterACompileReadAsEmpty) {
    // The walks over a row step over a block's area, but the connection check looks at every
    // column: the cells a block now covers still hold the nodes of the compile before the edit.
    auto ladder = LadderFromPicture({"A B C D E - - (Y)", ""});
    CLDCmdList out;
    CErrorList errors;
    ASSERT_TRUE(CompileLadder(*ladder, out, errors));
    for (int c = 1; c <= 4; ++c) {
        ASSERT_TRUE(ladder->RemoveElement(0, c));
    }
    auto timer = LadderFromPicture({"A [TMR:1] # # # - - (Y)", ". . # # #"});
    ASSERT_NE(ladder->PlaceBlock(0, 1, *timer->GetCell(0, 1), false), nullptr);
    CLDCmdList again;
    EXPECT_TRUE(CompileLadder(*ladder, again, errors));
    EXPECT_TRUE(errors.IsEmpty());
    EXPECT_EQ(Listing(again), (Lines{"RD A", "TMR", "(1)", "WRT Y"}));
}

TEST(CompileDecisions, InputCellWithoutBlockStopsTheRow) {
    // A stray control-input cell right of a coil ends its row short: a connect error.
    auto ladder = LadderFromPicture({"A - (Y)"});
    CLDCmd input;
    input.kind = LDCMD_FUNC_INPUT;
    input.code = 1;
    ASSERT_NE(ladder->PutElement(0, 3, CLDCell(input)), nullptr);
    CLDCmdList out;
    CErrorList errors;
    errors.SetProgramName("LEVEL1");
    EXPECT_FALSE(CompileLadder(*ladder, out, errors));
    EXPECT_EQ(Errors(errors.begin(), errors.end()), (Errors{Error(0, ERR_CONNECT)}));
}

TEST(CompileDecisions, EmittedRecordsKeepTheCellBytesButTheVerticalFlag) {
    auto ladder = LadderFromPicture({"A B ... (Y)", ". |C |."});
    CLDCmd c = ladder->GetCell(1, 1)->Element();
    c.reserved = 7;
    ladder->GetCell(1, 1)->SetElementKeepVLine(c);
    ASSERT_TRUE(ladder->GetCell(1, 1)->VLine());
    // A timer whose head and operand carry odd bytes.
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = FUNC_TMR;
    head.reserved = 3;
    CLDCmd operand;
    operand.kind = LDCMD_OPERAND;
    operand.vline = 1;
    operand.code = LDOPD_CONST;
    operand.reserved = 9;
    operand.operand = 25;
    CLDCell block(head);
    ASSERT_TRUE(block.SetOperands(std::span(&operand, 1)));
    ladder->InsertRow(2);
    ladder->InsertRow(3);
    ASSERT_NE(ladder->PutElement(2, 0, *ladder->GetCell(0, 0)), nullptr);
    ASSERT_NE(ladder->PlaceBlock(2, 1, block, true), nullptr);
    ASSERT_NE(ladder->PutElement(2, 7, *ladder->GetCell(0, 7)), nullptr);
    CLDCmdList out;
    CErrorList errors;
    ASSERT_TRUE(CompileLadder(*ladder, out, errors));
    ASSERT_EQ(Listing(out), (Lines{"RD A", "RD.STK B", "OR C", "AND.STK", "WRT Y", "RD A", "TMR",
                                   "(25)", "WRT Y"}));
    CLDCmd expectedC = CLDCmd::Basic(BASIC_OR, 'X', 0, 2);
    expectedC.reserved = 7;
    EXPECT_EQ(out[2], expectedC);
    CLDCmd expectedHead = head;
    EXPECT_EQ(out[6], expectedHead);
    CLDCmd expectedOperand = operand;
    expectedOperand.reserved = 0;
    EXPECT_EQ(out[7], expectedOperand);
}

TEST(CompileDecisions, RowNumbersOfLongProgramsAreExact) {
    CPicture picture(40000, "");
    picture.back() = "- ... (Y)";
    CCompiled c = CompilePicture(picture);
    EXPECT_EQ(c.errors, (Errors{Error(39999, ERR_CONNECT)}));
}

TEST(CompileDecisions, ALoopLeftByTheMergesIsAReverseFlowError) {
    // C is bridged by the wire of row 0 between the lines at columns 2 and 3. The junction
    // that gathers rows 1 and 2 absorbs both line junctions in the second merge pass, which
    // leaves C in a loop with it; the walk can never reach C or Y.
    CCompiled c = CompilePicture({"A ... (Y)", "B - |C |.", "D |."});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_REFLUENCE)}));
    EXPECT_EQ(c.listing, (Lines{"RD A", "OR B", "OR D"}));
}

}  // namespace
}  // namespace varno::test
