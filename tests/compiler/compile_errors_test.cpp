// Networks the compiler refuses or reports, drawn as pictures (see ladder_picture.h).
#include <gtest/gtest.h>

#include "compiler/compile.h"
#include "ladder_picture.h"
#include "model/ladder_list.h"

namespace varno::test {
namespace {

using Lines = std::vector<std::string>;
using Errors = std::vector<CErrorInfo>;

CErrorInfo Error(int row, int kind) {
    return CErrorInfo{row, kind, "LEVEL1"};
}

TEST(CompileErrors, OutputBranchAfterAContactIsAnOutputError) {
    CCompiled c = CompilePicture({"A B ... (Y1)", ". |C ... (Y2)"});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_OUTPUT)}));
    EXPECT_EQ(c.listing, (Lines{"RD A"}));
}

TEST(CompileErrors, ConnectErrors) {
    // A coil fed only by wire from the rail.
    CCompiled c = CompilePicture({"- ... (Y)"});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_CONNECT)}));
    EXPECT_TRUE(c.listing.empty());
    // A contact whose wire runs out at the row end: it passes the link pass but is no coil.
    c = CompilePicture({"A - - - - - - -"});
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_CONNECT)}));
    // A contact running into an empty cell.
    c = CompilePicture({"A - . ... (Y)"});
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_CONNECT)}));
    // END1 needs its wire to the row end.
    c = CompilePicture({"[END1] # #", ". # #"});
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_CONNECT)}));
    // A counter with one of its four input chains missing: reported at the head's row.
    c = CompilePicture(
        {"A [CTR:3] # # # - - (Y)", "B > # # #", ". > # # #", "D > # # #", ". . # # #"});
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_CONNECT)}));
    EXPECT_TRUE(c.listing.empty());
}

TEST(CompileErrors, EveryNetworkOfAProgramIsCompiled) {
    CCompiled c = CompilePicture({
        "A ... (Y)",
        "- ... (Y1)",
        "// a comment row is a network of its own",
        "B ... (Y2)",
        "C - - - - - - -",
        "D ... (Y3)",
    });
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(1, ERR_CONNECT), Error(4, ERR_CONNECT)}));
    EXPECT_EQ(c.listing, (Lines{"RD A", "WRT Y", "RD B", "WRT Y2", "RD D", "WRT Y3"}));
}

TEST(CompileErrors, ShortConnectIsReportedAndTheNetworkStillEmitted) {
    // Rows 0 and 1 are joined at columns 1 and 3 with wire between on both rows.
    CCompiled c = CompilePicture({"A ... (Y)", "B |- - |- ... (Y1)"});
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_SHORT_CONNECT)}));
    EXPECT_EQ(c.listing, (Lines{"RD A", "OR B", "WRT Y", "WRT Y1"}));
}

TEST(CompileErrors, FunctionalBlockInAParallelBranch) {
    // The junction after A leads both to the timer and down to Y1. The walk then finds the
    // branch point feeding more than outputs.
    CCompiled c = CompilePicture({"A [TMR:1] # # # - - (Y)", ". |- - - - - - (Y1)"});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_FUNC_IN_BRANCH), Error(0, ERR_OUTPUT)}));
}

TEST(CompileErrors, FunctionalBlockOutputFeedingAJunction) {
    // The timer's output meets B's wire at the junction before Y. The walk would write
    // RD A, TMR, RD.STK B, WRT Y: Y would follow B alone, so the network is refused too.
    CCompiled c = CompilePicture({"A [TMR:1] # # # - - (Y)", "B - - - - |- - -"});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_FUNC_OUTPUT), Error(0, ERR_REFLUENCE)}));
}

// Networks whose walk alone would write instructions that compute something other than the
// drawing; each is refused at the row of the first coil that would get another value.
TEST(CompileErrors, InstructionsThatDifferFromTheDrawingAreRefluenceErrors) {
    // A bridge: F joins the paths through B and through E and I in both directions.
    CCompiled c = CompilePicture({"- A - B - - - (Y)", "C D E |F - |. . .", "G H |- I |. . . ."});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_REFLUENCE)}));
    // The walk pushed A and never used it.
    c = CompilePicture({". - - A P:J B /C (S:Y)", "D E N:K - |F - - |."});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_REFLUENCE)}));
    // Wire on row 0 shorts E, F and N, yet both coils would get E, F and N alone; the short
    // connect warning comes first.
    c = CompilePicture({"A - /B - - - - (R:Y1)", "C D - |- E F N |(Y2)"});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.errors, (Errors{Error(0, ERR_SHORT_CONNECT), Error(0, ERR_REFLUENCE)}));
}

TEST(CompileErrors, ARefluenceErrorStopsTheCompilationOfLaterPrograms) {
    CLadderList programs;
    programs.AddSorted(LadderFromPicture(
        {"A ... (Y)", "- A - B - - - (Y1)", "C D E |F - |. . .", "G H |- I |. . . ."}, "LEVEL1"));
    programs.AddSorted(LadderFromPicture({"A ... (Y2)"}, "LEVEL2"));
    CLDCmdList out;
    CErrorList errors;
    EXPECT_FALSE(CompileLadderList(programs, out, errors));
    EXPECT_EQ(Errors(errors.begin(), errors.end()), (Errors{Error(1, ERR_REFLUENCE)}));
}

}  // namespace
}  // namespace varno::test
