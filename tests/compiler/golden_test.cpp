// The instructions of small networks, drawn as pictures (see ladder_picture.h).
#include <gtest/gtest.h>

#include "ladder_picture.h"

namespace varno::test {
namespace {

using Lines = std::vector<std::string>;

struct CGolden {
    const char* name;
    CPicture picture;
    Lines listing;
};

class GoldenNetwork : public ::testing::TestWithParam<CGolden> {};

TEST_P(GoldenNetwork, EmitsExactly) {
    const CGolden& golden = GetParam();
    CCompiled compiled = CompilePicture(golden.picture);
    EXPECT_TRUE(compiled.ok);
    EXPECT_TRUE(compiled.errors.empty());
    EXPECT_EQ(compiled.listing, golden.listing);
}

std::string GoldenName(const ::testing::TestParamInfo<CGolden>& info) {
    return info.param.name;
}

// One case per row of the instruction table.
INSTANTIATE_TEST_SUITE_P(
    InstructionTable, GoldenNetwork,
    ::testing::Values(
        CGolden{"Series", {"A ... (Y)"}, {"RD A", "WRT Y"}},
        CGolden{"NormallyClosed", {"A /B ... (Y)"}, {"RD A", "AND.NOT B", "WRT Y"}},
        CGolden{"ParallelContact", {"A ... (Y)", "B |."}, {"RD A", "OR B", "WRT Y"}},
        CGolden{"ParallelSeries",
                {"A B ... (Y)", "C D |."},
                {"RD A", "AND B", "RD.STK C", "AND D", "OR.STK", "WRT Y"}},
        CGolden{"SeriesOfParallels",
                {"A C ... (Y)", "B |D |."},
                {"RD A", "OR B", "RD.STK C", "OR D", "AND.STK", "WRT Y"}},
        CGolden{"ParallelInsideSeries",
                {"A B C ... (Y)", ". |D - |."},
                {"RD A", "RD.STK B", "AND C", "OR D", "AND.STK", "WRT Y"}},
        CGolden{"ParallelBeforeSeries",
                {"A B D ... (Y)", ". |C |."},
                {"RD A", "RD.STK B", "OR C", "AND.STK", "AND D", "WRT Y"}},
        CGolden{"ThreeOutputs",
                {"A ... (Y1)", ". |- ... (Y2)", ". |- ... (Y3)"},
                {"RD A", "WRT Y1", "WRT Y2", "WRT Y3"}},
        CGolden{"OutputAfterContactOnBranch",
                {"A ... (Y1)", ". |B ... (Y2)"},
                {"RD A", "WRT Y1", "AND B", "WRT Y2"}},
        CGolden{"EdgeContacts", {"P:A N:B ... (Y)"}, {"RDPT A", "ANDNT B", "WRT Y"}},
        CGolden{"Timer", {"A [TMR:1] # # # - - (Y)", ". . # # #"}, {"RD A", "TMR", "(1)", "WRT Y"}},
        CGolden{"Counter",
                {"A [CTR:3] # # # - - (Y)", "B > # # #", "C > # # #", "D > # # #", ". . # # #"},
                {"RD A", "RD.STK B", "RD.STK C", "RD.STK D", "CTR", "(3)", "WRT Y"}},
        CGolden{"End1", {"[END1] # # ...", ". # #"}, {"END1"}},
        CGolden{"TwoNetworks", {"A ... (Y1)", "B ... (Y2)"}, {"RD A", "WRT Y1", "RD B", "WRT Y2"}}),
    GoldenName);

// The two notes under the table: a row that starts with an empty cell loads in stack form, and
// a block's closed inputs get no OR.STK or AND.STK.
INSTANTIATE_TEST_SUITE_P(
    Notes, GoldenNetwork,
    ::testing::Values(
        CGolden{"EmptyFirstCellLoadsInStackForm", {". A ... (Y)"}, {"RD.STK A", "WRT Y"}},
        CGolden{"BlockInputsAreNotCombined",
                {"A [SFT:R0010] # # # - - (Y)", "B > # # #", "C > # # #", "D > # # #", ". . # # #"},
                {"RD A", "RD.STK B", "RD.STK C", "RD.STK D", "SFT", "(R0010)", "WRT Y"}}),
    GoldenName);

// Shapes the table leaves out.
INSTANTIATE_TEST_SUITE_P(
    MoreShapes, GoldenNetwork,
    ::testing::Values(
        CGolden{"ThreeParallelContacts",
                {"A ... (Y)", "B |.", "C |."},
                {"RD A", "OR B", "OR C", "WRT Y"}},
        CGolden{"ThreeParallelSeries",
                {"A B ... (Y)", "C D |.", "E F |."},
                {"RD A", "AND B", "RD.STK C", "AND D", "OR.STK", "RD.STK E", "AND F", "OR.STK",
                 "WRT Y"}},
        CGolden{"BranchInsideABranch",
                {"A B ... (Y)", "C D |.", ". |E |."},
                {"RD A", "AND B", "RD.STK C", "RD.STK D", "OR E", "AND.STK", "OR.STK", "WRT Y"}},
        CGolden{"TimerFedByABranchedChain",
                {"A C [TMR:1] # # # - (Y)", "B |. # # # #"},
                {"RD A", "OR B", "AND C", "TMR", "(1)", "WRT Y"}},
        CGolden{"BlockWithoutOutputFedByAParallelRow",
                {"A B [MOVB:R1,R2] # # # - -", "C - |# # # #", ". . # # # #"},
                {"RD A", "AND B", "OR C", "MOVB", "(R0001)", "(R0002)"}},
        CGolden{
            "CounterWithChainsOfSeveralCells",
            {"A - [CTR:3] # # # - (Y)", "B C > # # #", "D - > # # #", "E F > # # #", ". . . # # #"},
            {"RD A", "RD.STK B", "AND C", "RD.STK D", "RD.STK E", "AND F", "CTR", "(3)", "WRT Y"}},
        CGolden{"OutputsBeforeAndAfterAContactOnABranch",
                {"A ... (Y1)", ". |- ... (Y2)", ". |B ... (Y3)"},
                {"RD A", "WRT Y1", "WRT Y2", "AND B", "WRT Y3"}},
        CGolden{"RowStartingWithTwoEmptyCells", {". . A ... (Y)"}, {"RD.STK A", "WRT Y"}},
        CGolden{"CommentRowsBetweenNetworks",
                {"A ... (Y1)", "// first", "//", "B ... (Y2)"},
                {"RD A", "WRT Y1", "RD B", "WRT Y2"}},
        CGolden{"EveryCoil",
                {"/A ... (/Y)", "B ... (S:Y1)", "C ... (R:Y1)"},
                {"RD.NOT A", "WRT.NOT Y", "RD B", "SET Y1", "RD C", "RST Y1"}},
        CGolden{"EdgeContactsInParallel",
                {"P:A N:B ... (Y)", "/C |/D |."},
                {"RDPT A", "OR.NOT C", "RDNT.STK B", "OR.NOT D", "AND.STK", "WRT Y"}}),
    GoldenName);

}  // namespace
}  // namespace varno::test
