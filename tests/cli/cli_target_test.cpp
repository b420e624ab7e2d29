#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "project/varno_app.h"
#include "run_tool.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using Result = test::CliResult;
using test::RunTool;

void CopyDemo(const test::CTempDir& dir) {
    const std::string demo = std::string(VARNO_SOURCE_DIR) + "/examples/Demo";
    for (const char* name : {"Demo.KPJ", "Demo.vld", "Demo.cmt", "Demo.ver", "Demo.par"}) {
        std::filesystem::copy_file(demo + "/" + name, dir.File(name));
    }
}

TEST(CliBuild, DemoProjectBuildsItsTargetFile) {
    test::CTempDir dir;
    CopyDemo(dir);
    Result r = RunTool({"--lang", "en", "build", dir.File("Demo.KPJ")});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out,
              "Compile finished - 0 errors, 0 warnings\n"
              "Generate PLC 51 instructions\n"
              "Generating ROM file...\n"
              "ROM file has generated!\n"
              "The output file is " +
                  dir.File("DST.PLC") + ".\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::ReadFileBytes(dir.File("DST.PLC")).substr(0, 4), std::string("PLC\0", 4));
    EXPECT_TRUE(std::filesystem::exists(dir.File("plc.pro")));

    Result zh = RunTool({"--lang", "zh", "build", dir.File("Demo.KPJ")});
    EXPECT_NE(zh.out.find("PLC目标文件已生成!\n输出文件为"), std::string::npos);
}

TEST(CliBuild, LinkErrorsExitWithOneAndWriteNoFile) {
    test::CTempDir dir;
    CopyDemo(dir);
    {
        test::CRecordingMessages messages;
        CVARNOApp app(messages);
        ASSERT_TRUE(app.OpenProject(dir.File("Demo.KPJ"), false));
        app.Programs().RemoveByName("P0001");
        app.SetLaddersModified(true);
        ASSERT_TRUE(app.SaveProject());
    }
    Result r = RunTool({"--lang", "en", "build", dir.File("Demo.KPJ")});
    EXPECT_EQ(r.status, EXIT_FAILED);
    EXPECT_NE(r.out.find("Undefined sub procedure P0001.\nGenerate ROM file error!\n"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("DST.PLC")));
}

TEST(CliBuild, UsageAndFileErrorsExitWithTwo) {
    test::CTempDir dir;
    EXPECT_EQ(RunTool({"build"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"build", "a.KPJ", "b.KPJ"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"build", "--fast", "a.KPJ"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"build", dir.File("none.KPJ")}).status, EXIT_USAGE);

    CopyDemo(dir);
    test::WriteFileBytes(dir.File("Demo.par"), "not parameters");
    Result r = RunTool({"--lang", "en", "build", dir.File("Demo.KPJ")});
    EXPECT_EQ(r.status, EXIT_USAGE);
    EXPECT_NE(r.err.find("is not a valid parameter file."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("DST.PLC")));
}

TEST(CliImport, ImportsATargetFileOrChangesNothing) {
    test::CTempDir demo, fresh;
    CopyDemo(demo);
    ASSERT_EQ(RunTool({"build", demo.File("Demo.KPJ")}).status, EXIT_OK);
    ASSERT_EQ(RunTool({"new", fresh.File("Fresh.KPJ")}).status, EXIT_OK);

    const std::string target = test::ReadFileBytes(demo.File("DST.PLC"));
    test::WriteFileBytes(demo.File("CUT.PLC"), target.substr(0, target.size() / 2));
    const std::string vld = test::ReadFileBytes(fresh.File("Fresh.vld"));
    Result refused =
        RunTool({"--lang", "en", "import", fresh.File("Fresh.KPJ"), demo.File("CUT.PLC")});
    EXPECT_EQ(refused.status, EXIT_USAGE);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("goes past the end of the file"), std::string::npos);
    EXPECT_NE(refused.err.find("Nothing was imported"), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(fresh.File("Fresh.vld")), vld);

    Result r = RunTool({"--lang", "en", "import", fresh.File("Fresh.KPJ"), demo.File("DST.PLC")});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, "The file import finished!\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::ReadFileBytes(fresh.File("Fresh.par")),
              test::ReadFileBytes(demo.File("Demo.par")));
    EXPECT_EQ(test::ReadFileBytes(fresh.File("Fresh.vld")),
              test::ReadFileBytes(demo.File("Demo.vld")));

    EXPECT_EQ(RunTool({"import", fresh.File("Fresh.KPJ")}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"import", fresh.File("None.KPJ"), demo.File("DST.PLC")}).status, EXIT_USAGE);
}

}  // namespace
}  // namespace varno
