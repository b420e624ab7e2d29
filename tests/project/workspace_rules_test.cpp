// The rules behind the workspace tree, the subprogram commands, the Options sheet, the
// recent-file list and the document opening of the desktop application.
#include <gtest/gtest.h>

#include "model/address.h"
#include "model/ladder_file.h"
#include "project/options_values.h"
#include "project/recent_files.h"
#include "project/subprograms.h"
#include "project/varno_app.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

LDADDR P(int number) {
    return LDADDR{'P', -1, static_cast<std::uint16_t>(number)};
}

class WorkspaceRulesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.OpenProject(dir.File("W.KPJ"), true)); }

    test::CTempDir dir;
    test::CRecordingMessages messages;
    CVARNOApp app{messages};
};

TEST_F(WorkspaceRulesTest, SubprogramNodesFollowTheListAndOnlyPAddresses) {
    app.Programs().NewSubprogram("P0010");
    app.Programs().NewSubprogram("P0002");
    auto odd = std::make_unique<CLadder>();
    odd->SetName("X0001");
    app.Programs().AddSorted(std::move(odd));
    auto loose = std::make_unique<CLadder>();
    loose->SetName("MAIN");
    app.Programs().AddSorted(std::move(loose));
    EXPECT_EQ(SubprogramNodeNames(app.Programs()), (std::vector<std::string>{"P0002", "P0010"}));
    EXPECT_FALSE(IsSubprogramName("LEVEL1"));
    EXPECT_FALSE(IsSubprogramName("P10000"));
}

TEST_F(WorkspaceRulesTest, LabelsShowTheChosenCommentWithoutASpace) {
    app.Comments().SetComment(P(7), "SYM", "first", "second");
    EXPECT_EQ(SubprogramLabel("P0007", app.Comments(), false), "P0007(first)");
    EXPECT_EQ(SubprogramLabel("P0007", app.Comments(), true), "P0007(second)");
    app.Comments().SetComment(P(7), "SYM", "first", "");
    EXPECT_EQ(SubprogramLabel("P0007", app.Comments(), true), "P0007");
    EXPECT_EQ(SubprogramLabel("P0008", app.Comments(), false), "P0008");
}

TEST_F(WorkspaceRulesTest, AddNamesTheProgramFromTheNumberField) {
    EXPECT_EQ(SubprogramNameFromNumber("7"), "P0007");
    EXPECT_EQ(SubprogramNameFromNumber(""), "P0000");
    EXPECT_EQ(SubprogramNameFromNumber("x1"), "P0000");
    EXPECT_EQ(SubprogramNameFromNumber("9999"), "P9999");
    EXPECT_EQ(SubprogramNameFromNumber("0042"), "P0042");

    app.SetLaddersModified(false);
    app.SetCommentModified(false);
    const CAddedSubprogram added = AddSubprogram(app, {"7", "MOTOR", "start", "run"});
    EXPECT_EQ(added.name, "P0007");
    EXPECT_TRUE(added.created);
    EXPECT_TRUE(app.IsLaddersModified());
    EXPECT_TRUE(app.IsCommentModified());
    ASSERT_NE(app.Programs().FindByName("P0007"), nullptr);
    EXPECT_EQ(app.Comments().SymbolOf(P(7)), "MOTOR");

    // An existing program keeps its rows; only its comment entry changes.
    const int rows = app.Programs().FindByName("P0007")->RowCount();
    app.SetLaddersModified(false);
    const CAddedSubprogram again = AddSubprogram(app, {"7", "PUMP", "", ""});
    EXPECT_FALSE(again.created);
    EXPECT_FALSE(app.IsLaddersModified());
    EXPECT_EQ(app.Programs().FindByName("P0007")->RowCount(), rows);
    EXPECT_EQ(app.Comments().SymbolOf(P(7)), "PUMP");

    EXPECT_EQ(AddSubprogram(app, {"", "", "", ""}).name, "P0000");
    EXPECT_NE(app.Programs().FindByName("P0000"), nullptr);
}

TEST_F(WorkspaceRulesTest, DeleteAndPropertyChangeTheSubprogramAndItsComment) {
    AddSubprogram(app, {"12", "S", "one", "two"});
    const CSubprogramEntry shown = SubprogramEntryOf("P0012", app.Comments());
    EXPECT_EQ(shown.number, "P0012");
    EXPECT_EQ(shown.comment2, "two");

    EXPECT_TRUE(SetSubprogramComment(app, "P0012", {"ignored", "T", "uno", "dos"}));
    EXPECT_EQ(app.Comments().CommentOf(P(12), 0), "uno");
    EXPECT_EQ(app.Comments().FindItem(LDADDR{'P', -1, 0}), nullptr);

    app.SetLaddersModified(false);
    EXPECT_TRUE(DeleteSubprogram(app, "P0012"));
    EXPECT_EQ(app.Programs().FindByName("P0012"), nullptr);
    EXPECT_EQ(app.Comments().FindItem(P(12)), nullptr);
    EXPECT_TRUE(app.IsLaddersModified());
    EXPECT_FALSE(DeleteSubprogram(app, "LEVEL1"));
    EXPECT_NE(app.Programs().FindByName("LEVEL1"), nullptr);
}

TEST_F(WorkspaceRulesTest, ReloadWritesTheLadderFileOnlyWhenTheListChanged) {
    AddSubprogram(app, {"3", "", "", ""});
    std::string error;
    ASSERT_TRUE(ReloadProgramList(app, &error)) << error;
    EXPECT_FALSE(app.IsLaddersModified());
    const std::string ladderFile = app.GetFullPath(app.Files().ladder);
    const std::string written = test::ReadFileBytes(ladderFile);
    ASSERT_NE(app.Programs().FindByName("P0003"), nullptr);

    // Unchanged: the file is read, not written, so a program added only in memory goes.
    app.Programs().NewSubprogram("P0004");
    test::WriteFileBytes(ladderFile, written);
    ASSERT_TRUE(ReloadProgramList(app, &error));
    EXPECT_EQ(test::ReadFileBytes(ladderFile), written);
    EXPECT_EQ(app.Programs().FindByName("P0004"), nullptr);
    EXPECT_NE(app.Programs().FindByName("P0003"), nullptr);

    // An unreadable file keeps the list in memory instead of emptying it.
    test::WriteFileBytes(ladderFile, "not a ladder file");
    EXPECT_FALSE(ReloadProgramList(app, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_NE(app.Programs().FindByName("P0003"), nullptr);
}

TEST_F(WorkspaceRulesTest, OptionsOkRaisesLowSizesAndDefaultsTheTargetName) {
    app.SetSettingsModified(false);
    COptionsValues values = OptionsFromApp(app);
    EXPECT_EQ(values.romName, "DST.PLC");
    EXPECT_EQ(values.cellWidth, 100);
    values.romName = "";
    values.cellWidth = 3;
    values.cellHeight = 3;
    values.showGrid = 0;
    ApplyOptions(app, values);
    EXPECT_EQ(app.Files().romName, "DST.PLC");
    EXPECT_EQ(app.Display().cellWidth, 10);
    EXPECT_EQ(app.Display().cellHeight, 10);
    EXPECT_EQ(app.Display().showGrid, 0);
    EXPECT_TRUE(app.IsSettingsModified());

    values.romName = "A.PLC";
    values.cellWidth = 10;
    values.cellHeight = 5;
    ApplyOptions(app, values);
    EXPECT_EQ(app.Files().romName, "A.PLC");
    EXPECT_EQ(app.Display().cellWidth, 10);
    EXPECT_EQ(app.Display().cellHeight, 5);
}

TEST(RecentFilesTest, KeepsFourNewestFirstWithoutDuplicates) {
    CRecentFileList list({"/a", "/b"});
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/a", "/b"}));
    list.Add("/c");
    list.Add("/d");
    list.Add("/e");
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/e", "/d", "/c", "/a"}));
    list.Add("/c");
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/c", "/e", "/d", "/a"}));
    list.Remove("/e");
    list.Add("");
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/c", "/d", "/a"}));
}

TEST(DocumentRulesTest, ProjectExtensionAndLadderCloseSteps) {
    EXPECT_TRUE(IsProjectDocumentPath("/w/X.vp3"));
    EXPECT_TRUE(IsProjectDocumentPath("X.VP3"));
    EXPECT_FALSE(IsProjectDocumentPath("/w/X.vp3.vld"));
    EXPECT_FALSE(IsProjectDocumentPath("/w.vp3/X"));
    EXPECT_FALSE(IsProjectDocumentPath("/w/X.KPJ"));

    EXPECT_EQ(LadderCloseDecision(true, "/w/a.vld", true), LadderCloseStep::Stop);
    EXPECT_EQ(LadderCloseDecision(true, "/w/a.vld", false), LadderCloseStep::Close);
    EXPECT_EQ(LadderCloseDecision(true, "LEVEL1", true), LadderCloseStep::Keep);
    EXPECT_EQ(LadderCloseDecision(false, "LEVEL1", true), LadderCloseStep::Close);
    EXPECT_EQ(LadderCloseDecision(false, "/w/a.vld", true), LadderCloseStep::Keep);
}

}  // namespace
}  // namespace varno
