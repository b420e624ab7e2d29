#include <filesystem>

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

std::string CopyDemo(const test::CTempDir& dir) {
    const std::string demo = std::string(VARNO_SOURCE_DIR) + "/examples/Demo";
    for (const char* name : {"Demo.KPJ", "Demo.vld", "Demo.cmt", "Demo.ver", "Demo.par"}) {
        std::filesystem::copy_file(demo + "/" + name, dir.File(name));
    }
    return dir.File("Demo.KPJ");
}

// Opens the project, lets `edit` change its programs and saves it.
template <class Edit>
void EditDemo(const std::string& project, Edit edit) {
    test::CRecordingMessages messages;
    CVARNOApp app(messages);
    ASSERT_TRUE(app.OpenProject(project, false));
    edit(app.Programs());
    app.SetLaddersModified(true);
    ASSERT_TRUE(app.SaveProject());
}

// A new first row of LEVEL1: a contact on R0100.0 driving the spindle's coil a second time.
void AddSecondSpindleCoil(CLadderList& programs) {
    CLadder& level1 = *programs.FindByName("LEVEL1");
    level1.InsertRow(0);
    level1.PutElement(0, 0, CLDCell(CLDCmd::Basic(BASIC_RD, 'R', 100, 0)));
    level1.FillLine(0, 1, 6);
    level1.PutElement(0, 7, CLDCell(CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0)));
}

TEST(CliCheck, AProjectWithoutProblemsPasses) {
    test::CTempDir dir;
    Result r = RunTool({"--lang", "en", "check", CopyDemo(dir)});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, "0 errors, 0 warnings, 0 notes\n");
}

TEST(CliCheck, WarningsFailOnlyWithWerrorErrorsAlways) {
    test::CTempDir dir;
    const std::string project = CopyDemo(dir);
    EditDemo(project, AddSecondSpindleCoil);
    Result r = RunTool({"--lang", "en", "check", project});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out,
              "LEVEL1:0:0: warning: R0100.0 is read but never written\n"
              "LEVEL1:2:7: warning: Y0000.0 is written by more than one coil (first at "
              "LEVEL1:0:7)\n"
              "0 errors, 2 warnings, 0 notes\n");
    EXPECT_EQ(RunTool({"check", "--werror", project}).status, EXIT_FAILED);
    EXPECT_EQ(RunTool({"check", project, "--werror"}).status, EXIT_FAILED);

    // Without P0001 its call is undefined, and what only P0001 read is now read nowhere. The
    // Chinese edition names LEVEL2 as its string table does.
    EditDemo(project, [](CLadderList& programs) { programs.RemoveByName("P0001"); });
    Result english = RunTool({"--lang", "en", "check", project});
    EXPECT_EQ(english.status, EXIT_FAILED);
    EXPECT_EQ(english.out,
              "LEVEL1:0:0: warning: R0100.0 is read but never written\n"
              "LEVEL1:2:7: warning: Y0000.0 is written by more than one coil (first at "
              "LEVEL1:0:7)\n"
              "LEVEL1:8:7: note: R0000.0 is written but never read\n"
              "LEVEL1:11:7: note: R0000.2 is written but never read\n"
              "LEVEL2:1:1: error: undefined subprogram P0001\n"
              "1 errors, 2 warnings, 2 notes\n");
    Result linked = RunTool({"--lang", "zh", "check", project});
    EXPECT_EQ(linked.status, EXIT_FAILED);
    EXPECT_EQ(linked.out,
              "LEVEL1:0:0: 警告: R0100.0 被读取但从未写入\n"
              "LEVEL1:2:7: 警告: Y0000.0 被多个线圈写入 (第一个在 LEVEL1:0:7)\n"
              "LEVEL1:8:7: 提示: R0000.0 被写入但从未读取\n"
              "LEVEL1:11:7: 提示: R0000.2 被写入但从未读取\n"
              "LEVLE2:1:1: 错误: 未定义的子程序 P0001\n"
              "1 个错误, 2 个警告, 2 个提示\n");
}

TEST(CliCheck, UsageAndFileErrorsExitWithTwo) {
    test::CTempDir dir;
    EXPECT_EQ(RunTool({"check"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"check", "--strict", "a.KPJ"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"check", "a.KPJ", "b.KPJ"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"check", dir.File("none.KPJ")}).status, EXIT_USAGE);
    const std::string project = CopyDemo(dir);
    std::filesystem::remove(dir.File("Demo.vld"));
    Result r = RunTool({"check", project});
    EXPECT_EQ(r.status, EXIT_USAGE);
    EXPECT_EQ(r.out, "");
}

TEST(CliXref, ListsTheUsesOfWhatThePatternPicks) {
    test::CTempDir dir;
    const std::string project = CopyDemo(dir);
    Result r = RunTool({"--lang", "en", "xref", project, "LUBE_END"});
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out,
              "R0000.0  LUBE_END  Lubrication time elapsed  (1 read, 1 write)\n"
              "  LEVEL1:7:7      -( )-  write\n"
              "  P0001:4:0       -| |-  read\n"
              "1 addresses, 2 uses\n");

    Result csv = RunTool({"--lang", "en", "xref", "--csv", project, "x0000.0"});
    EXPECT_EQ(csv.status, EXIT_OK) << csv.err;
    EXPECT_EQ(csv.out,
              "address,symbol,comment,program,row,column,use,access\r\n"
              "X0000.0,START,Spindle start button,LEVEL1,1,0,-| |-,read\r\n");

    Result all = RunTool({"xref", project});
    EXPECT_EQ(all.status, EXIT_OK);
    EXPECT_NE(all.out.find("\nY0000.0  SPINDLE"), std::string::npos);
}

TEST(CliXref, APatternThatPicksNothingExitsWithOne) {
    test::CTempDir dir;
    const std::string project = CopyDemo(dir);
    Result r = RunTool({"--lang", "zh", "xref", project, "无此符号"});
    EXPECT_EQ(r.status, EXIT_FAILED);
    EXPECT_EQ(r.out, "0 个地址, 0 处使用\n");
    EXPECT_EQ(r.err, "varnoc: 没有与 无此符号 相符的地址或符号。\n");
    EXPECT_EQ(RunTool({"xref"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"xref", project, "A", "B"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"xref", "--tsv", project}).status, EXIT_USAGE);
}

}  // namespace
}  // namespace varno
