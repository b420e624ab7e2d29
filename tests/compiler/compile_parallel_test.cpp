// Large projects are compiled in chunks on several threads; the joined result must be exactly
// what one pass program by program gives.
#include <gtest/gtest.h>

#include "compiler/compile.h"
#include "ladder_picture.h"
#include "model/ladder_list.h"

namespace varno::test {
namespace {

const std::vector<CPicture> SHAPES = {
    {"A ... (Y)"},
    {"A B ... (Y)", "C D |."},
    {"A C ... (Y1)", "B |D |."},
    {"A B C ... (Y2)", ". |D - |."},
    {"A ... (Y1)", ". |- ... (Y2)", ". |- ... (Y3)"},
    {"A [TMR:1] # # # - - (Y)", ". . # # #"},
    {"A [CTR:3] # # # - - (Y)", "B > # # #", "C > # # #", "D > # # #", ". . # # #"},
    {"// a comment row"},
    {". A ... (Y)"},
};
const CPicture CONNECT_ERROR = {"C - - - - - - -"};

// A program of `networks` networks cycling through the shapes; every `errorEvery`-th network
// (when not 0) is a connect error.
std::unique_ptr<CLadder> Program(const std::string& name, int networks, int errorEvery = 0) {
    CPicture picture;
    for (int n = 0; n < networks; ++n) {
        const CPicture& shape = errorEvery != 0 && n % errorEvery == errorEvery - 1
                                    ? CONNECT_ERROR
                                    : SHAPES[static_cast<std::size_t>(n) % SHAPES.size()];
        picture.insert(picture.end(), shape.begin(), shape.end());
    }
    return LadderFromPicture(picture, name);
}

struct CResult {
    bool ok = false;
    std::vector<CLDCmd> cmds;
    std::vector<CErrorInfo> errors;
};

CResult Parallel(CLadderList& programs) {
    CLDCmdList cmds;
    CErrorList errors;
    CResult result;
    result.ok = CompileLadderList(programs, cmds, errors);
    result.cmds = cmds.Items();
    result.errors.assign(errors.begin(), errors.end());
    return result;
}

// One program after the other, stopping after the first that fails.
CResult Serial(CLadderList& programs) {
    CLDCmdList cmds;
    CErrorList errors;
    CResult result;
    result.ok = true;
    for (CLadder& ladder : programs) {
        errors.SetProgramName(ladder.Name());
        if (!CompileLadder(ladder, cmds, errors)) {
            result.ok = false;
            break;
        }
    }
    result.cmds = cmds.Items();
    result.errors.assign(errors.begin(), errors.end());
    return result;
}

void ExpectSame(const CResult& parallel, const CResult& serial) {
    EXPECT_EQ(parallel.ok, serial.ok);
    ASSERT_EQ(parallel.cmds.size(), serial.cmds.size());
    for (std::size_t i = 0; i < serial.cmds.size(); ++i) {
        ASSERT_EQ(parallel.cmds[i], serial.cmds[i]) << "instruction " << i;
    }
    EXPECT_EQ(parallel.errors, serial.errors);
}

TEST(ParallelCompile, LargeProjectGivesTheListOfOnePass) {
    CLadderList programs;
    programs.AddSorted(Program("LEVEL1", 4000));
    programs.AddSorted(Program("LEVEL2", 1500));
    programs.AddSorted(Program("P0001", 2500));
    const CResult parallel = Parallel(programs);
    ASSERT_TRUE(parallel.ok);
    EXPECT_GT(parallel.cmds.size(), 20000u);
    ExpectSame(parallel, Serial(programs));
}

TEST(ParallelCompile, ErrorsOfEveryChunkOfTheFailingProgramAndNothingAfterIt) {
    CLadderList programs;
    programs.AddSorted(Program("LEVEL1", 4000));
    programs.AddSorted(Program("LEVEL2", 6000, 997));
    programs.AddSorted(Program("P0001", 4000, 5));
    const CResult parallel = Parallel(programs);
    EXPECT_FALSE(parallel.ok);
    ASSERT_EQ(parallel.errors.size(), 6u);
    for (const CErrorInfo& error : parallel.errors) {
        EXPECT_EQ(error.program, "LEVEL2");
        EXPECT_EQ(error.kind, ERR_CONNECT);
    }
    ExpectSame(parallel, Serial(programs));
}

}  // namespace
}  // namespace varno::test
