// Large projects are compiled in chunks on several threads; the joined result must be exactly
// what one pass program by program gives.
#include <gtest/gtest.h>

#include <mutex>

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

// The check's pass: every program compiled, failing ones too; the chunks, each reported once,
// cover every row in order, and their errors are those of compiling each program alone.
TEST(ParallelCompile, EachProgramOnItsOwnChunkByChunk) {
    CLadderList programs;
    programs.AddSorted(Program("LEVEL1", 4000, 1300));
    programs.AddSorted(Program("LEVEL2", 6000, 997));
    programs.AddSorted(Program("P0001", 300, 7));
    std::vector<std::vector<CErrorInfo>> expected;
    for (CLadder& ladder : programs) {
        CLDCmdList cmds;
        CErrorList errors;
        errors.SetProgramName(ladder.Name());
        CompileLadder(ladder, cmds, errors);
        expected.emplace_back(errors.begin(), errors.end());
    }

    struct CSeen {
        std::size_t program;
        int first;
        int end;
        std::vector<CErrorInfo> errors;
        bool reported = false;
    };
    std::vector<CSeen> seen;
    std::mutex lock;
    CompileEachProgram(
        programs, [&](std::size_t count) { seen.resize(count); },
        [&](const CCompiledChunk& chunk) {
            std::lock_guard guard(lock);
            ASSERT_LT(chunk.index, seen.size());
            CSeen& entry = seen[chunk.index];
            EXPECT_FALSE(entry.reported) << "chunk " << chunk.index;
            entry = CSeen{chunk.program, chunk.first, chunk.end,
                          std::vector<CErrorInfo>(chunk.errors.begin(), chunk.errors.end()), true};
        });
    ASSERT_GT(seen.size(), 3u);

    std::vector<std::vector<CErrorInfo>> found(programs.GetCount());
    std::size_t program = 0;
    int row = 0;
    for (const CSeen& entry : seen) {
        ASSERT_TRUE(entry.reported);
        if (entry.program != program) {
            EXPECT_EQ(row, programs.GetAt(program)->RowCount());
            program = entry.program;
            row = 0;
        }
        EXPECT_EQ(entry.first, row);
        EXPECT_GT(entry.end, entry.first);
        row = entry.end;
        found[program].insert(found[program].end(), entry.errors.begin(), entry.errors.end());
    }
    EXPECT_EQ(program, programs.GetCount() - 1);
    EXPECT_EQ(row, programs.GetAt(program)->RowCount());
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(expected[2].empty());
}

}  // namespace
}  // namespace varno::test
