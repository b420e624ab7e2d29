#include "comments/comment_text.h"

#include <gtest/gtest.h>

#include "comment_helpers.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::Addr;

std::vector<std::string> Comment1s(const CCommentGrp& group) {
    std::vector<std::string> texts;
    for (const CCommentItem& item : group.Items()) {
        texts.push_back(item.comment1);
    }
    return texts;
}

// Group X with five items: X0000.0 .. X0000.4, comment 1 "c0" .. "c4".
CCommentGrp& FillX(CCommentList& list) {
    for (int i = 0; i < 5; ++i) {
        list.AddOrReplace({Addr('X', 0, i), "S" + std::to_string(i), "c" + std::to_string(i),
                           "d" + std::to_string(i)});
    }
    return *list.FindGroup("X");
}

TEST(CommentText, ExportWritesAddressAndComment1OfItemsThatHaveOne) {
    CCommentList list;
    list.AddOrReplace({Addr('R', 10), "SPEED", "Spindle speed", "x"});
    list.AddOrReplace({Addr('R', 11, 2), "ONLY", "", "two"});
    list.AddOrReplace({Addr('R', 12, 0), "", "\xD6\xF7\xD6\xE1", ""});
    EXPECT_EQ(ExportCommentText(*list.FindGroup("R")),
              "R0010\tSpindle speed\r\nR0012.0\t\xD6\xF7\xD6\xE1\r\n");
    EXPECT_EQ(ExportCommentText(*list.FindGroup("X")), "");

    test::CTempDir dir;
    ASSERT_TRUE(ExportComments(*list.FindGroup("R"), dir.File("r.txt")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("r.txt")),
              "R0010\tSpindle speed\r\nR0012.0\t\xD6\xF7\xD6\xE1\r\n");
    std::string error;
    EXPECT_FALSE(ExportComments(*list.FindGroup("R"), dir.File("no/such/r.txt"), &error));
    EXPECT_FALSE(error.empty());
}

TEST(CommentText, LoadedLinesReplaceComment1ByPosition) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    list.SetModified(false);
    // Whole lines, tabs and addresses included; only the line ends go.
    LoadCommentText(list, x, "one\r\nX0000.1\ttwo\n\nfour");
    EXPECT_EQ(Comment1s(x), (std::vector<std::string>{"one", "X0000.1\ttwo", "", "four", "c4"}));
    EXPECT_EQ(x.GetAt(1).symbol, "S1");
    EXPECT_EQ(x.GetAt(1).comment2, "d1");
    EXPECT_EQ(x.GetAt(1).AddressText(), "X0000.1");
    EXPECT_TRUE(list.IsModified());

    CCommentList small;
    small.AddOrReplace({Addr('Y', 0, 0), "", "a", ""});
    small.AddOrReplace({Addr('Y', 0, 1), "", "b", ""});
    LoadCommentText(small, *small.FindGroup("Y"), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(Comment1s(*small.FindGroup("Y")), (std::vector<std::string>{"1", "2"}));
}

TEST(CommentText, ExportThenLoadShiftsOverItemsWithoutComment1) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    list.ReplaceAt(x, 1, {Addr('X', 0, 1), "S1", "", ""});
    test::CTempDir dir;
    ASSERT_TRUE(ExportComments(x, dir.File("x.txt")));
    ASSERT_TRUE(LoadComments(list, x, dir.File("x.txt")));
    // Four lines for five items: c2 lands on item 1, and so on; item 4 keeps its own.
    EXPECT_EQ(Comment1s(x), (std::vector<std::string>{"X0000.0\tc0", "X0000.2\tc2", "X0000.3\tc3",
                                                      "X0000.4\tc4", "c4"}));
    EXPECT_FALSE(LoadComments(list, x, dir.File("missing.txt")));
}

}  // namespace
}  // namespace varno
