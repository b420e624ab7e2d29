#include "compiler/compile_command.h"

#include <gtest/gtest.h>

#include "compiler/compile.h"
#include "ladder_picture.h"
#include "model/ladder_list.h"
#include "platform/archive.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno::test {
namespace {

using Lines = std::vector<std::string>;

const std::string SEPARATOR = std::string(30, ';');

struct CCommandRun {
    CTempDir dir;
    std::string path = dir.File("PLC.txt");
    CRecordingOutput output;
    CRecordingMessages messages;

    CCompileOutcome Run(CLadderList& programs) {
        return RunCompileCommand(programs, path, output, messages);
    }
};

void Add(CLadderList& programs, const std::string& name, const CPicture& picture) {
    programs.AddSorted(LadderFromPicture(picture, name));
}

TEST(CompileCommand, CompilesAllProgramsWritesTheFileAndReports) {
    CLadderList programs;
    programs.NewSubprogram("P0010");
    programs.NewLevel2();
    Add(programs, "LEVEL1", {"A ... (Y)", "[END1] # # ...", ". # #"});
    CCommandRun run;
    run.output.AppendLine("old report");
    CCompileOutcome outcome = run.Run(programs);
    EXPECT_TRUE(outcome.compiled);
    EXPECT_EQ(outcome.instructions, 7u);
    EXPECT_EQ(outcome.errors, 0u);
    EXPECT_EQ(ReadFileBytes(run.path), SEPARATOR +
                                           "1th Rung\r\n"
                                           "RD         X0000.0\r\n"
                                           "WRT        Y0000.0\r\n" +
                                           SEPARATOR +
                                           "2th Rung\r\n"
                                           "END1       \r\n" +
                                           SEPARATOR +
                                           "3th Rung\r\n"
                                           "END2       \r\n" +
                                           SEPARATOR +
                                           "4th Rung\r\n"
                                           "SP         \r\n"
                                           "           P0010\r\n" +
                                           SEPARATOR +
                                           "5th Rung\r\n"
                                           "SPE        \r\n");
    EXPECT_EQ(run.output.lines,
              (Lines{"Compile finished - 0 errors, 0 warnings", "Generate PLC 7 instructions"}));
    EXPECT_EQ(run.messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_TRUE(run.messages.boxes.empty());
}

TEST(CompileCommand, StopsAfterTheFirstFailingProgramAndKeepsTheOldFile) {
    CLadderList programs;
    Add(programs, "LEVEL1", {"A ... (Y)", "- ... (Y1)", "B ... (Y2)", "C - - - - - - -"});
    // LEVEL2 has an error of its own, which must not be reported: it is never compiled.
    Add(programs, "LEVEL2", {"D - - - - - - -"});
    CCommandRun run;
    WriteFileBytes(run.path, "previous list");
    CCompileOutcome outcome = run.Run(programs);
    EXPECT_FALSE(outcome.compiled);
    EXPECT_EQ(outcome.errors, 2u);
    EXPECT_EQ(run.output.lines,
              (Lines{"LEVEL1:The 1th row connect error!", "LEVEL1:The 3th row connect error!",
                     "Compile finished - 2 errors, 0 warnings"}));
    EXPECT_EQ(run.messages.beeps, std::vector<BeepKind>{BeepKind::Error});
    EXPECT_EQ(ReadFileBytes(run.path), "previous list");
}

TEST(CompileCommand, OutputAndReverseFlowErrorsKeepTheOldFile) {
    for (const CPicture& picture :
         {CPicture{"A B ... (Y1)", ". |C ... (Y2)"}, CPicture{"A ... (Y)", "B - |C |.", "D |."}}) {
        CLadderList programs;
        Add(programs, "LEVEL1", picture);
        CCommandRun run;
        WriteFileBytes(run.path, "previous list");
        EXPECT_FALSE(run.Run(programs).compiled);
        EXPECT_EQ(ReadFileBytes(run.path), "previous list");
        EXPECT_EQ(run.messages.beeps, std::vector<BeepKind>{BeepKind::Error});
    }
}

TEST(CompileCommand, StructureErrorsAreReportedWithTheirProgramAndTheFileIsWritten) {
    CLadderList programs;
    Add(programs, "LEVEL1", {"A ... (Y)", "B |- - |- ... (Y1)"});
    Add(programs, "LEVEL2", {"C ... (Y2)"});
    CCommandRun run;
    CCompileOutcome outcome = run.Run(programs);
    EXPECT_TRUE(outcome.compiled);
    EXPECT_EQ(outcome.errors, 1u);
    EXPECT_EQ(run.output.lines, (Lines{"LEVEL1:The 0th row short connect!",
                                       "Compile finished - 1 errors, 0 warnings"}));
    EXPECT_EQ(run.messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(ReadFileBytes(run.path).substr(0, 33), SEPARATOR + "1th");
}

TEST(CompileCommand, AFileErrorEndsTheCommandBeforeTheReport) {
    CLadderList programs;
    programs.NewLevel1();
    CCommandRun run;
    run.output.AppendLine("old report");
    run.path = run.dir.File("missing/PLC.txt");
    EXPECT_THROW(run.Run(programs), CFileException);
    EXPECT_EQ(run.output.clears, 1);
    EXPECT_TRUE(run.output.lines.empty());
    EXPECT_TRUE(run.messages.beeps.empty());
}

}  // namespace
}  // namespace varno::test
