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

TEST(CommentText, LinesWithoutAGroupAddressReplaceComment1ByPosition) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    list.SetModified(false);
    // Whole lines, tabs and other letters' addresses included; only the line ends go.
    LoadCommentText(list, x, "one\r\nY0000.1\ttwo\n\nX0000.9\tfour");
    EXPECT_EQ(Comment1s(x),
              (std::vector<std::string>{"one", "Y0000.1\ttwo", "", "X0000.9\tfour", "c4"}));
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

TEST(CommentText, AddressedLinesGoToTheirOwnItem) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    list.AddOrReplace({Addr('X', 0), "BYTE", "whole byte", ""});  // X0000 sorts first
    ASSERT_EQ(x.GetSize(), 6u);
    // Out of order, a byte address, an address the group lacks, a TAB in the text, a
    // positional line among them (line 4, item 4 = X0000.3), and a line past the items.
    LoadCommentText(list, x,
                    "X0000.4\tfour\r\nX0000\tbyte\r\nX0001.0\tnobody\r\nX0000.0\ta\tb\r\n"
                    "plain\r\nX0000.2\ttwo\r\nbeyond\r\n");
    EXPECT_EQ(Comment1s(x),
              (std::vector<std::string>{"byte", "a\tb", "c1", "two", "plain", "four"}));
    EXPECT_EQ(x.GetAt(5).symbol, "S4");
    EXPECT_EQ(x.GetSize(), 6u);
    EXPECT_EQ(list.FindItem(Addr('X', 1, 0)), nullptr);
}

TEST(CommentText, ExportThenLoadKeepsEveryComment1OnItsAddress) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    list.ReplaceAt(x, 1, {Addr('X', 0, 1), "S1", "", ""});
    test::CTempDir dir;
    ASSERT_TRUE(ExportComments(x, dir.File("x.txt")));
    // Exported with a gap at X0000.1, then changed, then loaded back: each text returns to
    // its own address and the gap stays empty.
    list.ReplaceAt(x, 3, {Addr('X', 0, 3), "S3", "changed", "d3"});
    ASSERT_TRUE(LoadComments(list, x, dir.File("x.txt")));
    EXPECT_EQ(Comment1s(x), (std::vector<std::string>{"c0", "", "c2", "c3", "c4"}));
    EXPECT_FALSE(LoadComments(list, x, dir.File("missing.txt")));
}

TEST(CommentText, LoadTellsListenersOnce) {
    CCommentList list;
    CCommentGrp& x = FillX(list);
    int calls = 0;
    CCommentSubscription watch = list.Subscribe([&] { ++calls; });
    LoadCommentText(list, x, "a\r\nb\r\nc\r\n");
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace varno
