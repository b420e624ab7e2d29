// The check of small drawn projects: what each rule reports, and what it must leave alone.
#include <gtest/gtest.h>

#include "check/diagnostics.h"
#include "platform/codepage.h"
#include "platform/string_table.h"
#include "project_picture.h"

namespace varno {
namespace {

using test::CProgramPicture;
using test::DrawProject;
using test::Subprogram;

const char* const END1 = "[END1] # # ...";
const char* const END2 = "[END2] # # ...";

// The findings as the command line prints them, and the summary.
std::vector<std::string> Check(const std::vector<CProgramPicture>& pictures) {
    CLadderList programs;
    DrawProject(programs, pictures);
    const CCheckResult result = CheckProject(programs);
    std::vector<std::string> lines;
    for (const CFinding& finding : result.findings) {
        lines.push_back(GbkToUtf8(FindingText(result, finding)));
    }
    lines.push_back(GbkToUtf8(CheckSummaryText(result)));
    return lines;
}

class CheckProjectTest : public ::testing::Test {
protected:
    void SetUp() override { SetLanguage(Lang::English); }
    void TearDown() override { SetLanguage(Lang::English); }
};

TEST_F(CheckProjectTest, EachProgramIsCompiledOnItsOwnAndNamedInItsErrors) {
    // LEVEL1 fails; a compile run would stop there and never see LEVEL2's error.
    EXPECT_EQ(Check({
                  {"LEVEL1", {"A . (Y)", END1}},
                  {"LEVEL2", {"B ... (Y1)", "C .", END2}},
                  {"P0001", {"[SP:P0001] # # # ...", "", "A B - - - - ."}},
              }),
              (std::vector<std::string>{
                  "LEVEL1:0: error: connect error",
                  "LEVEL2:1: error: connect error",
                  "P0001:0:0: note: subprogram P0001 is not called from LEVEL1 or LEVEL2",
                  "P0001:2: error: connect error",
                  "3 errors, 0 warnings, 1 notes",
              }));
}

TEST_F(CheckProjectTest, ErrorsThatDoNotStopACompileAreErrorsToo) {
    // Two vertical lines joined by plain wire: the compiler reports it and still emits code.
    EXPECT_EQ(Check({
                  {"LEVEL1", {"A ... (Y)", "B |- - |- ... (Y1)", END1}},
              }),
              (std::vector<std::string>{
                  "LEVEL1:0: error: short connect",
                  "1 errors, 0 warnings, 0 notes",
              }));
}

TEST_F(CheckProjectTest, CallsAndJumpsResolveAsTheLinkerResolvesThem) {
    EXPECT_EQ(Check({
                  {"LEVEL1",
                   {"[CALLU:P0001] # # # ...", "",   // resolves
                    "A [CALL:P0002] # # # ...", "",  // no SP P0002 anywhere
                    "A [JMPB:L0005] # # # ...", "",  // no such label
                    "A [JMPB:L0001] # # # ...", "",  // a label of another program
                    "A [CALL:7] # # # ...", "",      // a constant names nothing
                    END1}},
                  {"LEVEL2", {END2}},
                  Subprogram("P0001", {"[LBL:L0001] # # # ...", ""}),
                  // Called only from a subprogram nobody calls: unreached as well.
                  Subprogram("P0003", {}),
                  Subprogram("P0004", {"[CALLU:P0003] # # # ...", ""}),
              }),
              (std::vector<std::string>{
                  "LEVEL1:2:1: error: undefined subprogram P0002",
                  "LEVEL1:4:1: error: undefined label L0005",
                  "LEVEL1:8:1: error: undefined subprogram 7",
                  "P0003:0:0: note: subprogram P0003 is not called from LEVEL1 or LEVEL2",
                  "P0004:0:0: note: subprogram P0004 is not called from LEVEL1 or LEVEL2",
                  "3 errors, 0 warnings, 2 notes",
              }));
}

TEST_F(CheckProjectTest, SubprogramsReachedThroughOtherSubprogramsAreCalled) {
    EXPECT_EQ(Check({
                  {"LEVEL1", {END1}},
                  {"LEVEL2", {"A [CALL:P0002] # # # ...", "", END2}},
                  Subprogram("P0001", {}),
                  Subprogram("P0002", {"[CALLU:P0001] # # # ...", ""}),
              }),
              (std::vector<std::string>{"0 errors, 0 warnings, 0 notes"}));
}

TEST_F(CheckProjectTest, CoilsThatFightOverAnAddress) {
    EXPECT_EQ(Check({
                  {"LEVEL1",
                   {"A ... (Y1)", "B ... (/Y1)",     // two writes
                    "C ... (S:Y2)", "D ... (R:Y3)",  // set without reset, reset without set
                    "E ... (S:Y4)", "F ... (R:Y4)",  // a pair: nothing
                    "G ... (Y5)", "H ... (S:Y5)",    // a write and a set
                    END1}},
                  {"LEVEL2", {"A ... (Y1)", "A ... (Y)", END2}},
              }),
              (std::vector<std::string>{
                  "LEVEL1:1:7: warning: Y0000.1 is written by more than one coil (first at "
                  "LEVEL1:0:7)",
                  "LEVEL1:2:7: warning: Y0000.2 is set but never reset",
                  "LEVEL1:3:7: warning: Y0000.3 is reset but never set",
                  "LEVEL1:7:7: warning: Y0000.5 is set or reset here and written by a coil at "
                  "LEVEL1:6:7",
                  "LEVEL1:7:7: warning: Y0000.5 is set but never reset",
                  "LEVEL2:0:7: warning: Y0000.1 is written by more than one coil (first at "
                  "LEVEL1:0:7)",
                  "0 errors, 6 warnings, 0 notes",
              }));
}

TEST_F(CheckProjectTest, InternalRelaysReadButNeverWritten) {
    EXPECT_EQ(Check({
                  {"LEVEL1",
                   {
                       "R5.1 ... (Y)",     // 0: read, nobody writes it
                       "R5.1 ... (Y1)",    // 1: reported once, at its first read
                       "R6.2 ... (R7.0)",  // 2
                       "R7.0 ... (R8.0)",  // 3: R0007.0 is written above; R0008.0 is never read
                       // 4: machine inputs, system relays and parameters are never reported
                       "X1.0 R9000.1 D1.0 K1.0 C1.0 ... (Y2)",
                       "A [MOVB:R20,R10] # # # ...",
                       "",
                       "",                // 5: R0010 written as a byte
                       "R10.3 ... (Y3)",  // 8
                       "A [MOVW:R30,R40] # # # ...",
                       "",
                       "",                // 9: two bytes: R0040 and R0041
                       "R41.7 ... (Y4)",  // 12
                       "A [SFT:R50] # # # - - (Y5)",
                       "B >",
                       "C >",
                       "D >",
                       "",  // 13: reads and writes
                       END1,
                   }},
                  {"LEVEL2", {END2}},
              }),
              (std::vector<std::string>{
                  "LEVEL1:0:0: warning: R0005.1 is read but never written",
                  "LEVEL1:2:0: warning: R0006.2 is read but never written",
                  "LEVEL1:3:7: note: R0008.0 is written but never read",
                  "LEVEL1:5:3: warning: R0020 is read but never written",
                  "LEVEL1:9:3: warning: R0030 is read but never written",
                  "0 errors, 4 warnings, 1 notes",
              }));
}

TEST_F(CheckProjectTest, WidthsOfTheFormatDecideWhatAnOperandWrites) {
    // ADDB with format 2 writes R0061 too; with format 1 R0071 stays unwritten.
    EXPECT_EQ(Check({
                  {"LEVEL1",
                   {"A [ADDB:2,R60,1,R60] # # # - - (Y)", "B >", "", "", "",
                    "A [ADDB:1,R70,1,R70] # # # - - (Y1)", "B >", "", "", "",
                    "R61.0 R71.0 ... (Y2)", END1}},
                  {"LEVEL2", {END2}},
              }),
              (std::vector<std::string>{
                  "LEVEL1:10:1: warning: R0071.0 is read but never written",
                  "0 errors, 1 warnings, 0 notes",
              }));
}

TEST_F(CheckProjectTest, ChineseEdition) {
    SetLanguage(Lang::Chinese);
    EXPECT_EQ(Check({
                  {"LEVEL1", {"R5.1 ... (Y)", "A . (Y1)", END1}},
                  {"LEVLE2", {END2}},
                  Subprogram("P0001", {}),
              }),
              (std::vector<std::string>{
                  "LEVEL1:0:0: 警告: R0005.1 被读取但从未写入",
                  "LEVEL1:1: 错误: 连接错误",
                  "P0001:0:0: 提示: 子程序 P0001 未被 LEVEL1 或 LEVLE2 调用",
                  "1 个错误, 1 个警告, 1 个提示",
              }));
}

TEST_F(CheckProjectTest, WarningsFailABuildOnlyWhenAsked) {
    CLadderList programs;
    DrawProject(programs, {{"LEVEL1", {"R5.1 ... (Y)", END1}}, {"LEVEL2", {END2}}});
    CCheckResult warned = CheckProject(programs);
    EXPECT_EQ(warned.warnings, 1u);
    EXPECT_FALSE(CheckFailed(warned, false));
    EXPECT_TRUE(CheckFailed(warned, true));

    DrawProject(programs, {{"LEVEL1", {"A .", END1}}, {"LEVEL2", {END2}}});
    EXPECT_TRUE(CheckFailed(CheckProject(programs), false));
}

}  // namespace
}  // namespace varno
