#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "cli/edit_script.h"
#include "comments/comment_list.h"
#include "model/ladder_file.h"
#include "model/ladder_list.h"
#include "platform/codepage.h"
#include "run_tool.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using Result = test::CliResult;
using test::RunTool;

// A fresh project (LEVEL1 and LEVEL2 with their end blocks) in a temporary folder, and a
// runner of scripts on it.
class EditScript : public ::testing::Test {
protected:
    EditScript() {
        std::ostringstream out, err;
        RunCli({"--lang", "en", "new", Project()}, out, err);
    }
    std::string Project() const { return dir.File("Demo.KPJ"); }

    Result Run(const std::string& script) {
        test::WriteFileBytes(dir.File("script.txt"), script);
        return RunTool({"--lang", "en", "edit", Project(), dir.File("script.txt")});
    }

    test::CTempDir dir;
};

TEST(EditScriptLines, TokensQuotesAndEscapes) {
    std::string error;
    auto tokens = SplitScriptLine("  find \t\"a b\\n\\\"c\\\\\" cancel \"cancel\"\r", error);
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 4u);
    EXPECT_EQ((*tokens)[1].text, "a b\n\"c\\");
    EXPECT_TRUE((*tokens)[2].IsCancel());
    EXPECT_FALSE((*tokens)[3].IsCancel());
    EXPECT_TRUE(SplitScriptLine("   # a comment \"", error)->empty());
    EXPECT_TRUE(SplitScriptLine(" \t\r", error)->empty());
    // A word may hold '#' after the first token.
    EXPECT_EQ(SplitScriptLine("find #1", error)->at(1).text, "#1");

    for (const char* bad :
         {"find \"a\\t\"", "find \"open", "find \"a\"b", "find a\"b\"", "find \"a\\"}) {
        EXPECT_FALSE(SplitScriptLine(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }

    EXPECT_EQ(ScriptInteger(CScriptToken{"-12", false}), -12);
    EXPECT_FALSE(ScriptInteger(CScriptToken{"+1", false}));
    EXPECT_FALSE(ScriptInteger(CScriptToken{"-", false}));
    EXPECT_FALSE(ScriptInteger(CScriptToken{"1x", false}));
    EXPECT_FALSE(ScriptInteger(CScriptToken{"99999999999999999999", false}));
    EXPECT_FALSE(ScriptInteger(CScriptToken{"4", false}, 0, 3));
}

TEST_F(EditScript, StateLinesFollowTheCommands) {
    Result r =
        Run("state\n"
            "open LEVEL1\n"
            "state\n"
            "insert-row\ninsert-row\ninsert-row\n"
            "state\n"
            "caret 1 2\n"
            "contact 1 X0001.3\n"
            "state\n"
            "coil 0 Y0000.0\n"
            "state\n"
            "undo\n"
            "state\n"
            "redo\n"
            "drag 1 0 2 7\n"
            "state\n");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "state caret 0 0 sel 1 bounds 0 0 2 3 undo 0/0 rows 2\n"
              "state caret 0 0 sel 1 bounds 0 0 1 1 undo 3/3 rows 5\n"
              "state caret 1 3 sel 1 bounds 1 3 2 4 undo 4/4 rows 5\n"
              // five wires, then the wire in column 7 gives way to the coil
              "state caret 2 0 sel 1 bounds 2 0 3 1 undo 11/11 rows 5\n"
              "state caret 2 0 sel 1 bounds 2 0 3 1 undo 4/11 rows 5\n"
              "state caret 2 7 sel 16 bounds 1 0 3 8 undo 11/11 rows 5\n");
}

TEST_F(EditScript, BoxesAreLinesOfTheirOwn) {
    Result r =
        Run("open LEVEL3\n"
            "state\n"
            "open LEVEL1\n"
            "insert-row\n"
            "contact 0 10\n"
            "coil 0 X0001.0\n"
            "contact 0 \"\"\n"
            "state\n"
            "caret 0 4\n"
            "function 3 7\n"
            "copy\n"
            "caret 1 5\n"
            "paste\n"
            "caret 2 6\n"  // a wire beside END1: the timer does not fit
            "function 3 7\n");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out,
              "box Error: File create failed!\n"
              "box Error: Address error!\n"
              "box Error: Address error!\n"
              "box Error: Address error!\n"
              "state caret 0 0 sel 1 bounds 0 0 1 1 undo 1/1 rows 3\n"
              "box Warning: Not enough space to place the element!\n"
              "box Warning: Not enough memory!\n");
}

TEST_F(EditScript, ALineThatCannotBeParsedStopsTheScript) {
    for (const char* line :
         {"frobnicate", "caret 1", "caret 1 8", "caret x 1", "contact 4 X0000.0", "contact",
          "function 4", "function-box cancel", "batch Z 0 1 1 1", "batch X 0 1 -1 1",
          "batch X 0 1 1 2", "key Home", "view -1", "find", "find a b", "state now",
          "insert-comment one", "elem-comment a b", "find \"open"}) {
        Result r = Run(std::string("open LEVEL1\nstate\n") + line + "\nstate\n");
        EXPECT_EQ(r.status, EXIT_USAGE) << line;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << line;
        EXPECT_NE(r.err.find("script.txt:3: "), std::string::npos) << line << r.err;
    }
    // The answers to Property are checked against the dialog that opens: a coil's dialog
    // takes a type and an address, an empty cell opens none.
    Result r = Run(
        "open LEVEL1\ninsert-row\ncaret 0 7\ncoil 0 Y0000.0\ncaret 0 7\nproperty 1 2 3\nstate\n");
    EXPECT_EQ(r.status, EXIT_USAGE);
    EXPECT_NE(r.err.find("script.txt:6: "), std::string::npos);
    EXPECT_EQ(r.out, "");
    r = Run("open LEVEL1\ninsert-row\ncaret 0 3\nproperty 1 2 3\nproperty cancel\n");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;

    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"edit", Project()}, out, err), EXIT_USAGE);
    EXPECT_EQ(RunCli({"edit", Project(), dir.File("missing.txt")}, out, err), EXIT_USAGE);
    EXPECT_EQ(RunCli({"edit", dir.File("none.KPJ"), dir.File("script.txt")}, out, err), EXIT_USAGE);
}

TEST_F(EditScript, NothingHappensBeforeTheFirstOpen) {
    const std::string before = test::ReadFileBytes(dir.File("Demo.vld"));
    Result r = Run("insert-row\nsave\nstate\nundo\n");
    EXPECT_EQ(r.status, EXIT_OK);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::ReadFileBytes(dir.File("Demo.vld")), before);
}

TEST_F(EditScript, SavingAProgramWritesTheListAndChangedComments) {
    Result r =
        Run("open LEVEL2\n"
            "insert-comment \"注释\" \"\xF0\x9F\x98\x80\"\n"
            "insert-row-after\n"
            "caret 1 0\n"
            "contact 0 X0002.1\n"
            "caret 1 0\n"
            "elem-comment START \"第一\" \"\"\n"
            "save\n");
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    CLadderList programs;
    ASSERT_TRUE(ReadProgramSet(dir.File("Demo.vld"), programs));
    const CLadder& level2 = *programs.FindByName("LEVEL2");
    ASSERT_EQ(level2.RowCount(), 4);  // with the blank row a program gets when it is read
    ASSERT_TRUE(level2.GetRow(0)->IsComment());
    EXPECT_EQ(level2.GetRow(0)->Comment(1), Utf8ToGbk("注释"));
    EXPECT_EQ(level2.GetRow(0)->Comment(2), "?");  // GBK has no emoji
    EXPECT_TRUE(level2.GetCell(1, 0)->IsContact());
    CCommentList comments;
    ASSERT_TRUE(comments.LoadCommentFile(dir.File("Demo.cmt")));
    EXPECT_EQ(comments.SymbolOf(LDADDR{'X', 1, 2}), "START");
    EXPECT_EQ(comments.CommentOf(LDADDR{'X', 1, 2}, 0), Utf8ToGbk("第一"));
}

TEST_F(EditScript, ALadderFileDocumentSavesItselfAndTheProjectIsReloaded) {
    // The project's ladder file opened as a file: the program documents go when it is saved.
    Result r =
        Run("open LEVEL1\n"
            "open \"" +
            dir.File("Demo.vld") +
            "\"\n"
            "state\n"
            "caret 1 5\n"
            "contact 0 X0000.1\n"
            "open LEVEL1\n"
            "save\n"
            "state\n"
            "open LEVEL2\n"
            "state\n");
    // LEVEL1 cannot open while the changed file document is open.
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_NE(r.out.find("box Note: Please save or close the current ladder file first"),
              std::string::npos);
    // The file view stays; the row after END1 now begins LEVEL2.
    EXPECT_NE(r.out.find("state caret 1 6 sel 1 bounds 1 6 2 7 undo 1/1 rows 4\n"),
              std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.rfind("state")),
              "state caret 0 0 sel 1 bounds 0 0 1 1 undo 0/0 rows 3\n");
    CLadderList programs;
    ASSERT_TRUE(ReadProgramSet(dir.File("Demo.vld"), programs));
    EXPECT_TRUE(programs.FindByName("LEVEL2")->GetCell(0, 5)->IsContact());
}

}  // namespace
}  // namespace varno
