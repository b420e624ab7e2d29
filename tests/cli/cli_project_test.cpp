#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "model/catalog.h"
#include "project/varno_app.h"
#include "run_tool.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using Result = test::CliResult;
using test::RunTool;

TEST(CliNew, CreatesEveryFileOfTheProject) {
    test::CTempDir dir;
    Result r = RunTool({"--lang", "en", "new", dir.File("Mill")});
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    for (const char* name : {"Mill.KPJ", "Mill.vld", "Mill.cmt", "Mill.ver", "Mill.par"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("Mill.txt")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("Mill.par")), 2056u);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Mill.KPJ")).substr(0, 34),
              "[PROJECT]\r\nLADDER DIR=.\\Mill.vld\r\n");
}

TEST(CliNew, KeepsAnExistingProjectUnlessForced) {
    test::CTempDir dir;
    const std::string kpj = dir.File("Mill.KPJ");
    test::WriteFileBytes(kpj,
                         "[BUILD]\r\nROM NAME=OUT.PLC\r\n[PROJECT]\r\nPARAM DIR=.\\own.par\r\n");
    test::WriteFileBytes(dir.File("own.par"), "my parameters");
    Result refused = RunTool({"new", kpj});
    EXPECT_EQ(refused.status, EXIT_USAGE);
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Mill.vld")));

    Result forced = RunTool({"new", "--force", kpj});
    ASSERT_EQ(forced.status, EXIT_OK) << forced.err;
    const std::string text = test::ReadFileBytes(kpj);
    EXPECT_EQ(text.substr(0, 29), "[BUILD]\r\nROM NAME=OUT.PLC\r\n\r\n");
    EXPECT_EQ(test::ReadFileBytes(dir.File("own.par")), "my parameters");
}

TEST(CliNew, ReportsWhatCannotBeDone) {
    test::CTempDir dir;
    EXPECT_EQ(RunTool({"new"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"new", "a.KPJ", "b.KPJ"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"new", "--bogus", "a.KPJ"}).status, EXIT_USAGE);
    Result missing = RunTool({"new", dir.File("no/such/folder/P.KPJ")});
    EXPECT_EQ(missing.status, EXIT_USAGE);
    EXPECT_NE(missing.err.find("P.KPJ"), std::string::npos);

    chmod(dir.Path().c_str(), 0555);
    Result readOnly = RunTool({"new", dir.File("P.KPJ")});
    chmod(dir.Path().c_str(), 0755);
    if (geteuid() != 0) {  // the superuser writes anyway
        EXPECT_EQ(readOnly.status, EXIT_USAGE);
    }
}

const char* const SUCCESS_LINES = "Compile finished - 0 errors, 0 warnings\n";

TEST(CliCompile, FreshProjectCompilesItsTwoEndBlocks) {
    test::CTempDir dir;
    ASSERT_EQ(RunTool({"new", dir.File("Mill.KPJ")}).status, EXIT_OK);
    Result r = RunTool({"--lang", "en", "compile", dir.File("Mill.KPJ")});
    EXPECT_EQ(r.status, EXIT_OK);
    EXPECT_EQ(r.out, std::string(SUCCESS_LINES) + "Generate PLC 2 instructions\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::ReadFileBytes(dir.File("Mill.txt")),
              ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;1th Rung\r\nEND1       \r\n"
              ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;2th Rung\r\nEND2       \r\n");

    Result zh = RunTool({"--lang", "zh", "compile", dir.File("Mill.KPJ")});
    EXPECT_EQ(zh.out, "编译完成 - 0 个错误, 0 个警告\n生成PLC指令 2 条\n");
}

TEST(CliCompile, DemoProjectCompilesWithoutErrors) {
    test::CTempDir dir;
    const std::string demo = std::string(VARNO_SOURCE_DIR) + "/examples/Demo";
    for (const char* name : {"Demo.KPJ", "Demo.vld", "Demo.cmt", "Demo.ver", "Demo.par"}) {
        std::filesystem::copy_file(demo + "/" + name, dir.File(name));
    }
    Result r = RunTool({"--lang", "en", "compile", dir.File("Demo.KPJ")});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, std::string(SUCCESS_LINES) + "Generate PLC 51 instructions\n");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::filesystem::exists(dir.File("Demo.txt")));
}

TEST(CliCompile, WiringErrorLeavesTheOldInstructionFile) {
    test::CTempDir dir;
    const std::string kpj = dir.File("Bad.KPJ");
    {
        test::CRecordingMessages messages;
        CVARNOApp app(messages);
        ASSERT_TRUE(app.OpenProject(kpj, true));
        // A contact in row 0 whose right side runs into nothing.
        CLadder& level1 = *app.Programs().FindByName("LEVEL1");
        level1.InsertRow(0);
        level1.PutElement(0, 0, CLDCell(CLDCmd::Basic(BASIC_RD, 'X', 0, 0)));
        ASSERT_TRUE(app.SaveProject());
    }
    test::WriteFileBytes(dir.File("Bad.txt"), "old instructions");
    Result r = RunTool({"--lang", "en", "compile", kpj});
    EXPECT_EQ(r.status, EXIT_FAILED);
    EXPECT_EQ(r.out,
              "LEVEL1:The 0th row connect error!\n"
              "Compile finished - 1 errors, 0 warnings\n");
    EXPECT_EQ(test::ReadFileBytes(dir.File("Bad.txt")), "old instructions");
}

TEST(CliCompile, FilesThatCannotBeReadOrWrittenExitWithTwo) {
    test::CTempDir dir;
    Result missing = RunTool({"--lang", "en", "compile", dir.File("None.KPJ")});
    EXPECT_EQ(missing.status, EXIT_USAGE);
    EXPECT_NE(missing.err.find("Open project failed!"), std::string::npos);
    EXPECT_EQ(RunTool({"compile"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"compile", "--x", "a.KPJ"}).status, EXIT_USAGE);

    ASSERT_EQ(RunTool({"new", dir.File("P.KPJ")}).status, EXIT_OK);
    test::WriteFileBytes(dir.File("P.txt"), "kept");
    chmod(dir.File("P.txt").c_str(), 0444);
    Result readOnly = RunTool({"compile", dir.File("P.KPJ")});
    EXPECT_EQ(readOnly.status, EXIT_USAGE);
    EXPECT_NE(readOnly.err.find("P.txt"), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(dir.File("P.txt")), "kept");

    test::WriteFileBytes(dir.File("P.vld"), "not a ladder file");
    Result damaged = RunTool({"compile", dir.File("P.KPJ")});
    EXPECT_EQ(damaged.status, EXIT_USAGE);
    EXPECT_NE(damaged.err.find("P.vld"), std::string::npos);
    std::filesystem::remove(dir.File("P.vld"));
    EXPECT_EQ(RunTool({"compile", dir.File("P.KPJ")}).status, EXIT_USAGE);
}

}  // namespace
}  // namespace varno
