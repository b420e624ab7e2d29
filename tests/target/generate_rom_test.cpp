#include "target/generate_rom.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "compiler/ladder_picture.h"
#include "demo_project.h"
#include "model/catalog.h"
#include "params/param_doc.h"
#include "project/varno_app.h"
#include "support/hex.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"
#include "target/target_reader.h"

namespace varno {
namespace {

using Lines = std::vector<std::string>;

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

// The instruction records of a target file, as CLDCmd (index dropped).
std::vector<CLDCmd> Records(const std::string& file) {
    std::vector<CLDCmd> records;
    const std::uint32_t count = Le32(file, 32 + 16);
    for (std::uint32_t i = 0; i < count; ++i) {
        const char* record = file.data() + 64 + 8 * i;
        CLDCmd cmd;
        cmd.kind = static_cast<std::uint8_t>(record[2]);
        cmd.code = static_cast<std::uint8_t>(record[3]);
        std::memcpy(&cmd.operand, record + 4, 4);
        records.push_back(cmd);
    }
    return records;
}

class GenerateRom : public ::testing::Test {
protected:
    void SetUp() override { SetLanguage(Lang::English); }

    // The demo project, opened.
    void OpenDemo() {
        std::string error;
        ASSERT_TRUE(WriteDemoProject(dir.Path().string(), error)) << error;
        ASSERT_TRUE(app.OpenProject(dir.File("Demo.KPJ"), false));
    }
    // A new project of LEVEL1 and LEVEL2, saved, without a parameter file.
    void OpenFresh() {
        ASSERT_TRUE(app.OpenProject(dir.File("Mill.KPJ"), true));
        ASSERT_TRUE(app.SaveProject());
    }
    CRomOutcome Run() { return RunGenerateRom(ProjectRomBuild(app), output, messages); }
    std::string Target() const { return test::ReadFileBytes(dir.File("DST.PLC")); }
    bool Exists(const char* name) const { return std::filesystem::exists(dir.File(name)); }
    // Temporary files of saves left in the project folder.
    int Temporaries() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            count += entry.path().filename().string().find(".tmp-") != std::string::npos;
        }
        return count;
    }

    test::CTempDir dir;
    test::CRecordingMessages messages;
    test::CRecordingOutput output;
    CVARNOApp app{messages};
};

TEST_F(GenerateRom, FreshProjectWithoutParameterFile) {
    OpenFresh();
    ASSERT_EQ(Run().result, RomResult::Generated);
    EXPECT_EQ(output.lines,
              (Lines{"Compile finished - 0 errors, 0 warnings", "Generate PLC 2 instructions",
                     "Generating ROM file...", "ROM file has generated!",
                     "The output file is " + dir.File("DST.PLC") + "."}));
    EXPECT_EQ(messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    const std::string file = Target();
    // Two instructions and the end instruction; no parameter section before the comments.
    EXPECT_EQ(Records(file).size(), 3u);
    EXPECT_EQ(Records(file).back(), CLDCmd{});
    EXPECT_EQ(file.substr(88, 4), std::string("CMT\0", 4));
    // plc.pro beside the comment file is the comment section itself.
    EXPECT_EQ(test::ReadFileBytes(dir.File("plc.pro")), file.substr(88, 120));
    std::string why;
    auto image = ReadTargetFile(
        std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()), &why);
    ASSERT_TRUE(image) << why;
    EXPECT_FALSE(image->paramFile);
}

TEST_F(GenerateRom, DemoGetsWorkBitsLinkedCallsAndItsParameterFile) {
    OpenDemo();
    ASSERT_EQ(Run().result, RomResult::Generated);
    ASSERT_EQ(output.lines.size(), 5u);
    EXPECT_EQ(output.lines[1], "Generate PLC 51 instructions");
    const std::string file = Target();
    const std::vector<CLDCmd> records = Records(file);
    std::size_t workBits = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind == LDCMD_BASIC && records[i].code == 23) {
            EXPECT_EQ(records[i].Address(), (LDADDR{'W', static_cast<std::int8_t>(workBits), 0}));
            EXPECT_TRUE(records[i - 1].code >= BASIC_RDPT && records[i - 1].code <= BASIC_RDNT_STK);
            ++workBits;
        }
        // Every call and jump now holds the index of its target's operand record.
        if (records[i].kind == LDCMD_FUNC &&
            (records[i].code == FUNC_CALL || records[i].code == FUNC_CALLU ||
             records[i].code == FUNC_JMPB)) {
            const CLDCmd& operand = records[i + 1];
            ASSERT_EQ(operand.code, LDOPD_CONST);
            const std::uint8_t target = records[i].code == FUNC_JMPB ? FUNC_LBL : FUNC_SP;
            EXPECT_EQ(records[operand.Constant() - 1].code, target);
            EXPECT_EQ(records[operand.Constant()].code, LDOPD_ADDR);
        }
    }
    EXPECT_EQ(workBits, 1u);
    EXPECT_EQ(records.size(), 51u + workBits + 1);
    const std::string params = test::ReadFileBytes(dir.File("Demo.par"));
    EXPECT_EQ(file.substr(32 + Le32(file, 40), params.size()), params);
}

TEST_F(GenerateRom, LinkErrorsWriteNothing) {
    OpenDemo();
    test::WriteFileBytes(dir.File("DST.PLC"), "old target");
    app.Programs().RemoveByName("P0002");
    EXPECT_EQ(Run().result, RomResult::LinkFailed);
    EXPECT_EQ(Lines(output.lines.end() - 3, output.lines.end()),
              (Lines{"Generating ROM file...", "Undefined sub procedure P0002.",
                     "Generate ROM file error!"}));
    EXPECT_EQ(messages.beeps, std::vector<BeepKind>{BeepKind::Error});
    EXPECT_EQ(Target(), "old target");
    EXPECT_FALSE(Exists("plc.pro"));
    EXPECT_EQ(Temporaries(), 0);
}

TEST_F(GenerateRom, CompileErrorsWriteNothing) {
    OpenFresh();
    app.Programs().FindByName("LEVEL1")->RemoveRow(0);
    auto broken = test::LadderFromPicture({"A"});
    app.Programs().FindByName("LEVEL1")->InsertRow(0, broken->GetRow(0));
    EXPECT_EQ(Run().result, RomResult::CompileFailed);
    EXPECT_EQ(output.lines,
              (Lines{"LEVEL1:The 0th row connect error!", "Compile finished - 1 errors, 0 warnings",
                     "Generate ROM file error!"}));
    EXPECT_FALSE(Exists("DST.PLC"));
    EXPECT_FALSE(Exists("plc.pro"));
    EXPECT_EQ(Temporaries(), 0);
}

// plc.pro is written while the programs compile; what goes wrong with it is told only once the
// programs compiled, and in its place in the run.
TEST_F(GenerateRom, CommentFileThatCannotBeReplacedFailsOnlyACompiledRun) {
    OpenDemo();
    test::WriteFileBytes(dir.File("DST.PLC"), "old target");
    test::WriteFileBytes(dir.File("plc.pro"), "old comments");
    std::filesystem::permissions(dir.File("plc.pro"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    CRomBuild build = ProjectRomBuild(app);
    auto broken = test::LadderFromPicture({"A"});
    build.ownLadder = broken.get();
    EXPECT_EQ(RunGenerateRom(build, output, messages).result, RomResult::CompileFailed);
    EXPECT_EQ(output.lines.back(), "Generate ROM file error!");

    const CRomOutcome outcome = Run();
    EXPECT_EQ(outcome.result, RomResult::FileError);
    EXPECT_NE(outcome.reason.find("plc.pro"), std::string::npos) << outcome.reason;
    EXPECT_EQ(Lines(output.lines.end() - 2, output.lines.end()),
              (Lines{outcome.reason, "Generate ROM file error!"}));
    EXPECT_EQ(Target(), "old target");
    EXPECT_EQ(test::ReadFileBytes(dir.File("plc.pro")), "old comments");
    EXPECT_EQ(Temporaries(), 0);
}

TEST_F(GenerateRom, OwnLadderIsCompiledAloneButTheImageHoldsAllPrograms) {
    OpenDemo();
    CRomBuild build = ProjectRomBuild(app);
    auto broken = test::LadderFromPicture({"A"});
    build.ownLadder = broken.get();
    EXPECT_EQ(RunGenerateRom(build, output, messages).result, RomResult::CompileFailed);
    // The error list names no program in this case.
    EXPECT_EQ(output.lines[0], ":The 0th row connect error!");

    auto own = test::LadderFromPicture({"A ... (Y)"});
    build.ownLadder = own.get();
    ASSERT_EQ(RunGenerateRom(build, output, messages).result, RomResult::Generated);
    EXPECT_EQ(Records(Target()).size(), 3u);
    const std::string file = Target();
    const std::size_t ladder = file.find(std::string("LAD\0", 4));
    ASSERT_NE(ladder, std::string::npos);
    EXPECT_EQ(file[ladder + 22], static_cast<char>(app.Programs().GetCount()));
}

TEST_F(GenerateRom, ProjectTooLargeForTheFileIsRefusedWithItsReason) {
    OpenFresh();
    test::WriteFileBytes(dir.File("DST.PLC"), "old target");
    CLDRow tooLong(std::string(65528, 'a'), "");
    app.Programs().FindByName("LEVEL2")->InsertRow(0, &tooLong);
    CRomOutcome outcome = Run();
    EXPECT_EQ(outcome.result, RomResult::DoesNotFit);
    EXPECT_EQ(Lines(output.lines.end() - 2, output.lines.end()),
              (Lines{"LEVEL2:The 0th row takes 65536 bytes; a row of a target file takes at "
                     "most 65535.",
                     "Generate ROM file error!"}));
    EXPECT_EQ(Target(), "old target");
    EXPECT_FALSE(Exists("plc.pro"));
    EXPECT_EQ(Temporaries(), 0);
}

TEST_F(GenerateRom, DamagedParameterFileFailsTheRun) {
    OpenDemo();
    std::string params = test::ReadFileBytes(dir.File("Demo.par"));
    test::WriteFileBytes(dir.File("Demo.par"), params + "x");  // longer than its size says
    CRomOutcome outcome = Run();
    EXPECT_EQ(outcome.result, RomResult::FileError);
    EXPECT_EQ(outcome.reason,
              "The parameter file " + dir.File("Demo.par") + " is not a valid parameter file.");
    EXPECT_EQ(output.lines.back(), "Generate ROM file error!");
    EXPECT_FALSE(Exists("DST.PLC"));
}

TEST_F(GenerateRom, WriteFailureKeepsThePreviousTargetFile) {
    OpenDemo();
    ASSERT_EQ(Run().result, RomResult::Generated);
    const std::string previous = Target();
    app.Versions().GetVersionLine(3, 0) = "changed";
    CFileArchive::SetWriteFaultForTesting(1000);
    CRomOutcome outcome = Run();
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    EXPECT_EQ(outcome.result, RomResult::FileError);
    EXPECT_EQ(outcome.reason.rfind("The file could not be written: ", 0), 0u);
    EXPECT_EQ(Lines(output.lines.end() - 2, output.lines.end()),
              (Lines{outcome.reason, "Generate ROM file error!"}));
    EXPECT_EQ(messages.beeps.back(), BeepKind::Error);
    EXPECT_EQ(Target(), previous);
}

TEST(TargetName, PathAndBuildPageRule) {
    EXPECT_EQ(TargetFilePath("/p/q/Demo.vld", "DST.PLC"), "/p/q/DST.PLC");
    EXPECT_EQ(TargetFilePath("Demo.vld", "OUT.PLC"), "OUT.PLC");
    EXPECT_EQ(TargetFilePath("/p/Demo.vld", "rom\\OUT.PLC"), "/p/rom/OUT.PLC");
    EXPECT_EQ(BuildPageRomName(""), "DST.PLC");
    EXPECT_EQ(BuildPageRomName("MILL.PLC"), "MILL.PLC");
}

}  // namespace
}  // namespace varno
