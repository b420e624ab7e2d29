#include "project/varno_app.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "model/ladder_file.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

const std::string DEFAULT_FONT_LETTERS =
    "OOPPPPPP" + std::string(48, 'A') + "DEPGFHCHJGFGCHACOEFGHH" + std::string(42, 'A');

const std::string NEW_PROJECT_FILE =
    "[PROJECT]\r\n"
    "LADDER DIR=.\\Demo.vld\r\n"
    "INSTRUCT DIR=.\\Demo.txt\r\n"
    "COMMENT DIR=.\\Demo.cmt\r\n"
    "PARAM DIR=.\\Demo.par\r\n"
    "VERSION DIR=.\\Demo.ver\r\n"
    "\r\n"
    "[LADDER]\r\n"
    "LADDER_FONT=" +
    DEFAULT_FONT_LETTERS +
    "\r\n"
    "SHOW_GRID=1\r\n"
    "SHOW_LINE_NO=1\r\n"
    "SHOW_SYMBOL=0\r\n"
    "SHOW_COMMENT2=0\r\n"
    "GRID_COLOR=12632256\r\n"
    "WIDTH=100\r\n"
    "HEIGHT=56\r\n"
    "\r\n"
    "[BUILD]\r\n"
    "ROM NAME=DST.PLC\r\n";

std::size_t EntryCount(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
}

std::vector<std::string> ProgramNames(const CLadderList& list) {
    std::vector<std::string> names;
    for (const CLadder& program : list) {
        names.push_back(program.Name());
    }
    return names;
}

class ProjectTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    test::CRecordingMessages messages;
    CVARNOApp app{messages};

    std::string Kpj() const { return dir.File("Demo.KPJ"); }
};

TEST_F(ProjectTest, NewProjectHasDefaultPathsAndIsNotYetOnDisk) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    EXPECT_EQ(app.Files(), (CProjectFiles{".\\Demo.vld", ".\\Demo.txt", ".\\Demo.cmt",
                                          ".\\Demo.par", ".\\Demo.ver", "DST.PLC"}));
    EXPECT_EQ(app.Display().font, CLogFont::Default());
    EXPECT_EQ(app.Display().font.FaceName(), "Courier New");
    EXPECT_TRUE(app.IsSettingsModified());
    EXPECT_TRUE(app.IsCommentModified());
    EXPECT_TRUE(app.IsLaddersModified());
    EXPECT_TRUE(app.IsVersionModified());
    EXPECT_EQ(ProgramNames(app.Programs()), (std::vector<std::string>{"LEVEL1", "LEVEL2"}));
    EXPECT_EQ(app.ProjectDirectory(), dir.Path().string() + "/");
    EXPECT_EQ(app.GetFullPath(app.Files().ladder), dir.File("Demo.vld"));
    EXPECT_EQ(EntryCount(dir.Path()), 0u);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ProjectTest, SavedNewProjectFileHasItsExactLines) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    std::string error;
    ASSERT_TRUE(app.SaveProject(&error)) << error;
    EXPECT_FALSE(app.IsProjectModified());
    EXPECT_EQ(test::ReadFileBytes(Kpj()), NEW_PROJECT_FILE);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.cmt")), "");
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.ver")), "\t\n\t\n\t\n\t\n");
    CLadderList programs;
    ASSERT_TRUE(ReadProgramSet(dir.File("Demo.vld"), programs));
    EXPECT_EQ(ProgramNames(programs), (std::vector<std::string>{"LEVEL1", "LEVEL2"}));
    // The instruction and parameter files are written by their own commands.
    EXPECT_EQ(EntryCount(dir.Path()), 4u);

    // Opened again: same state, nothing modified, keys in the order read.
    CVARNOApp again(messages);
    ASSERT_TRUE(again.OpenProject(Kpj(), false));
    EXPECT_EQ(again.Files(), app.Files());
    EXPECT_EQ(again.Display(), app.Display());
    EXPECT_FALSE(again.IsProjectModified());
    ASSERT_TRUE(again.SaveProject());
    EXPECT_EQ(test::ReadFileBytes(Kpj()), NEW_PROJECT_FILE);
}

TEST_F(ProjectTest, CreatingOverAnExistingProjectKeepsItsKeys) {
    test::WriteFileBytes(Kpj(),
                         "[PROJECT]\r\nCOMMENT DIR=.\\keep.cmt\r\nOWN KEY=kept\r\n"
                         "[MINE]\r\nX=1\r\n[BUILD]\r\nROM NAME=OUT.PLC\r\n");
    test::WriteFileBytes(dir.File("keep.cmt"), "X0000.0\tSTART\r\n");
    test::WriteFileBytes(dir.File("Demo.vld"), "stale ladder");
    test::WriteFileBytes(dir.File("Demo.txt"), "stale instructions");
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    // Only the defaulted paths lose their files.
    EXPECT_FALSE(std::filesystem::exists(dir.File("Demo.vld")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Demo.txt")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("keep.cmt")));
    EXPECT_EQ(app.Files().comment, ".\\keep.cmt");
    EXPECT_EQ(app.Files().romName, "OUT.PLC");
    EXPECT_EQ(app.Comments().SymbolOf({'X', 0, 0}), "START");
    EXPECT_TRUE(messages.boxes.empty());  // the stale ladder file was deleted, not read

    ASSERT_TRUE(app.SaveProject());
    const std::string kpj = test::ReadFileBytes(Kpj());
    EXPECT_EQ(kpj.substr(0, kpj.find("\r\n\r\n")),
              "[PROJECT]\r\nCOMMENT DIR=.\\keep.cmt\r\nOWN KEY=kept\r\n"
              "LADDER DIR=.\\Demo.vld\r\nINSTRUCT DIR=.\\Demo.txt\r\nPARAM DIR=.\\Demo.par\r\n"
              "VERSION DIR=.\\Demo.ver");
    EXPECT_NE(kpj.find("\r\n\r\n[MINE]\r\nX=1\r\n\r\n[BUILD]\r\nROM NAME=OUT.PLC\r\n\r\n[LADDER]"),
              std::string::npos);
}

TEST_F(ProjectTest, SettingsAreReadWithLimitsAndDefaults) {
    test::WriteFileBytes(Kpj(),
                         "[LADDER]\r\nWIDTH=3\r\nHEIGHT=2\r\nSHOW_GRID=0\r\nSHOW_SYMBOL=1\r\n"
                         "GRID_COLOR=255\r\nLADDER_FONT=" +
                             std::string("CBPP") + std::string(16, 'B') +
                             "\r\n[BUILD]\r\nROM NAME=\r\n");
    ASSERT_TRUE(app.OpenProject(Kpj(), false));
    EXPECT_EQ(app.Display().cellWidth, 10);
    EXPECT_EQ(app.Display().cellHeight, 5);
    EXPECT_EQ(app.Display().showGrid, 0);
    EXPECT_EQ(app.Display().gridColor, 255u);
    EXPECT_EQ(app.Files().romName, "DST.PLC");
    // 20 letters set the first 10 bytes; the rest of the record stays as it was (zero).
    const auto font = app.Display().font.ToBytes();
    EXPECT_EQ(font[0], 0x12);
    EXPECT_EQ(font[1], 0xFF);
    EXPECT_EQ(font[9], 0x11);
    EXPECT_EQ(font[10], 0);
    EXPECT_EQ(app.Display().font.height, static_cast<std::int32_t>(0x1111FF12));

    // The next project without those keys keeps the values in effect.
    const std::string other = dir.File("Other.KPJ");
    test::WriteFileBytes(other, "[LADDER]\r\nSHOW_SYMBOL=0\r\n");
    ASSERT_TRUE(app.OpenProject(other, false));
    EXPECT_EQ(app.Display().showGrid, 0);
    EXPECT_EQ(app.Display().showSymbol, 0);
    EXPECT_EQ(app.Display().cellWidth, 10);
    EXPECT_EQ(app.Display().font, CLogFont::Default());  // no font key: the default
    EXPECT_FALSE(app.IsSettingsModified());
}

TEST_F(ProjectTest, OpeningAnEmptyOrMissingProjectFileFails) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    app.Comments().SetComment({'X', 0, 0}, "KEEP", "", "");
    std::filesystem::create_directory(dir.File("sub"));
    const std::string empty = dir.File("sub/Empty.KPJ");
    test::WriteFileBytes(empty, "");
    EXPECT_FALSE(app.OpenProject(empty, false));
    EXPECT_FALSE(app.OpenProject(dir.File("sub/Missing.KPJ"), false));
    EXPECT_EQ(app.ProjectDirectory(), dir.File("sub") + "/");
    EXPECT_EQ(app.Profile().GetSectionCount(), 0u);
    // The previous project's data stays in memory.
    EXPECT_EQ(app.Files().ladder, ".\\Demo.vld");
    EXPECT_EQ(app.Comments().SymbolOf({'X', 0, 0}), "KEEP");
}

TEST_F(ProjectTest, SaveModifiedProjectAsksAndSaves) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    ASSERT_TRUE(app.SaveProject());
    EXPECT_EQ(app.SaveModifiedProject(), MbAnswer::Yes);
    EXPECT_TRUE(messages.boxes.empty());

    app.Versions().GetVersionLine(0, 0) = "ACME";
    app.SetVersionModified(true);
    messages.answers = {MbAnswer::No, MbAnswer::Cancel, MbAnswer::Yes};
    EXPECT_EQ(app.SaveModifiedProject(), MbAnswer::No);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Note");
    EXPECT_EQ(messages.boxes[0].text, "Project modified,Save or not?");
    EXPECT_EQ(messages.boxes[0].icon, MbIcon::Information);
    EXPECT_EQ(messages.boxes[0].buttons, MbButtons::YesNoCancel);
    EXPECT_EQ(app.SaveModifiedProject(), MbAnswer::Cancel);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.ver")), "\t\n\t\n\t\n\t\n");
    EXPECT_EQ(app.SaveModifiedProject(), MbAnswer::Yes);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.ver")), "ACME\t\n\t\n\t\n\t\n");
    EXPECT_FALSE(app.IsProjectModified());
}

TEST_F(ProjectTest, FailedSaveIsReportedAndKeepsTheFlags) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    ASSERT_TRUE(app.SaveProject());
    app.Comments().SetComment({'Y', 0, 1}, "LAMP", "", "");
    app.SetLaddersModified(true);
    chmod(dir.File("Demo.cmt").c_str(), 0444);
    messages.answers = {MbAnswer::Yes};
    EXPECT_EQ(app.SaveModifiedProject(), MbAnswer::Cancel);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].caption, "Error");
    EXPECT_NE(messages.boxes[1].text.find("Demo.cmt"), std::string::npos);
    EXPECT_TRUE(app.IsCommentModified());
    EXPECT_FALSE(app.IsLaddersModified());  // the files that could be written were
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.cmt")), "");
}

TEST_F(ProjectTest, InterruptedSavesLeaveEveryFileWholeOldOrNew) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    ASSERT_TRUE(app.SaveProject());
    const std::vector<std::string> names = {"Demo.KPJ", "Demo.cmt", "Demo.vld", "Demo.ver"};
    std::vector<std::string> before;
    for (const auto& name : names) {
        before.push_back(test::ReadFileBytes(dir.File(name)));
    }
    CDisplaySettings display = app.Display();
    display.cellWidth = 120;
    app.SetDisplay(display);
    app.Comments().SetComment({'X', 1, 0}, "STOP", "Stop button", "");
    app.Programs().NewSubprogram("P0010");
    app.SetLaddersModified(true);
    app.Versions().GetVersionLine(3, 1) = "remark";
    app.SetVersionModified(true);

    std::vector<std::vector<std::string>> seen;
    for (std::uint64_t budget = 0;; budget += 37) {
        CFileArchive::SetWriteFaultForTesting(budget);
        const bool saved = app.SaveProject();
        CFileArchive::SetWriteFaultForTesting(std::nullopt);
        std::vector<std::string> now;
        for (const auto& name : names) {
            now.push_back(test::ReadFileBytes(dir.File(name)));
        }
        seen.push_back(now);
        EXPECT_EQ(EntryCount(dir.Path()), names.size());  // no temporary left behind
        if (saved) {
            break;
        }
        // Each round saves everything again from the start.
        app.SetSettingsModified(true);
        app.SetCommentModified(true);
        app.SetLaddersModified(true);
        app.SetVersionModified(true);
    }
    const std::vector<std::string>& after = seen.back();
    bool sawFailure = seen.size() > 1;
    for (const auto& files : seen) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_TRUE(files[i] == before[i] || files[i] == after[i]) << names[i];
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_NE(before[i], after[i]) << names[i];
    }
    EXPECT_TRUE(sawFailure);
    CVARNOApp copy(messages);
    ASSERT_TRUE(copy.OpenProject(Kpj(), false));
    EXPECT_EQ(copy.Display().cellWidth, 120);
    EXPECT_EQ(copy.Comments().SymbolOf({'X', 1, 0}), "STOP");
    EXPECT_NE(copy.Programs().FindByName("P0010"), nullptr);
    EXPECT_EQ(copy.Versions().GetVersionLine(3, 1), "remark");
}

TEST_F(ProjectTest, UnreadableDataFileIsNotOverwrittenUnlessEdited) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    ASSERT_TRUE(app.SaveProject());
    const std::string damaged = std::string("LAD\0\x40\0\xC9\0", 8) + std::string(56, '\0');
    test::WriteFileBytes(dir.File("Demo.vld"), damaged);

    ASSERT_TRUE(app.OpenProject(Kpj(), false));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Warning");
    EXPECT_NE(messages.boxes[0].text.find("Demo.vld"), std::string::npos);
    EXPECT_TRUE(app.Programs().IsEmpty());

    app.Comments().SetComment({'X', 0, 0}, "S", "", "");
    ASSERT_TRUE(app.SaveProject());
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.vld")), damaged);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.cmt")), "X0000.0\tS\t\t\r\n");

    app.Programs().ResetToNewProject();
    app.SetLaddersModified(true);
    ASSERT_TRUE(app.SaveProject());
    EXPECT_NE(test::ReadFileBytes(dir.File("Demo.vld")), damaged);
}

TEST_F(ProjectTest, ChangedPathsAreStoredAndUsed) {
    ASSERT_TRUE(app.OpenProject(Kpj(), true));
    ASSERT_TRUE(app.SaveProject());
    app.SetSettingsModified(false);
    CProjectFiles files = app.Files();
    files.version = ".\\data\\v.ver";
    files.romName = "OUT.PLC";
    app.SetFiles(files);
    EXPECT_TRUE(app.IsSettingsModified());
    std::filesystem::create_directory(dir.File("data"));
    ASSERT_TRUE(app.SaveProject());
    EXPECT_TRUE(std::filesystem::exists(dir.File("data/v.ver")));
    const std::string kpj = test::ReadFileBytes(Kpj());
    EXPECT_NE(kpj.find("VERSION DIR=.\\data\\v.ver\r\n"), std::string::npos);
    EXPECT_NE(kpj.find("ROM NAME=OUT.PLC\r\n"), std::string::npos);
}

TEST_F(ProjectTest, PathsResolveInTheProjectDirectory) {
    test::WriteFileBytes(
        Kpj(), "[PROJECT]\r\nLADDER DIR=..\\shared\\lib.vld\r\nCOMMENT DIR=/abs/c.cmt\r\n");
    ASSERT_TRUE(app.OpenProject(Kpj(), false));
    EXPECT_EQ(app.GetFullPath(app.Files().ladder),
              dir.Path().parent_path().string() + "/shared/lib.vld");
    EXPECT_EQ(app.GetFullPath(app.Files().comment), "/abs/c.cmt");
    EXPECT_EQ(app.Files().ladder, "..\\shared\\lib.vld");  // stored form kept

    // A relative project path is taken from the current folder.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CVARNOApp relative(messages);
    const bool opened = relative.OpenProject("Demo.KPJ", false);
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(opened);
    EXPECT_EQ(relative.ProjectDirectory(), dir.Path().string() + "/");
}

}  // namespace
}  // namespace varno
