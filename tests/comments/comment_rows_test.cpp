#include "comments/comment_rows.h"

#include <gtest/gtest.h>

#include "comment_helpers.h"

namespace varno {
namespace {

using test::Addr;

TEST(CommentRows, CellsShowRowNumberAddressAndTexts) {
    CCommentList list;
    list.AddOrReplace({Addr('X', 1), "BYTE", "whole byte", "b"});
    list.AddOrReplace({Addr('X', 0, 7), "SEVEN", "bit seven", ""});
    const CCommentGrp& x = *list.FindGroup("X");
    EXPECT_EQ(CommentCellText(x, 0, COMMENT_INDEX), "0");
    EXPECT_EQ(CommentCellText(x, 0, COMMENT_ADDRESS), "X0000.7");
    EXPECT_EQ(CommentCellText(x, 1, COMMENT_INDEX), "1");
    EXPECT_EQ(CommentCellText(x, 1, COMMENT_ADDRESS), "X0001");
    EXPECT_EQ(CommentCellText(x, 1, COMMENT_SYMBOL), "BYTE");
    EXPECT_EQ(CommentCellText(x, 1, COMMENT_1), "whole byte");
    EXPECT_EQ(CommentCellText(x, 1, COMMENT_2), "b");
    EXPECT_EQ(CommentCellText(x, 2, COMMENT_INDEX), "");
    EXPECT_EQ(CommentCellText(x, 0, COMMENT_COLUMN_COUNT), "");
}

TEST(CommentRows, AddStoresInTheLetterGroupAndTellsTheListeners) {
    CCommentList list;
    int told = 0;
    CCommentSubscription watch = list.Subscribe([&] { ++told; });
    list.AddOrReplace({Addr('X', 0, 0), "START", "", ""});
    EXPECT_TRUE(AddComment(list, "Y0000.0", "LAMP", "lamp", "two"));
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(list.IsModified());
    EXPECT_EQ(list.FindGroup("X")->GetSize(), 1u);
    ASSERT_EQ(list.FindGroup("Y")->GetSize(), 1u);
    EXPECT_EQ(list.SymbolOf(Addr('Y', 0, 0)), "LAMP");
    // Same address again: replaced in place.
    EXPECT_TRUE(AddComment(list, "Y0000.0", "LAMP2", "", ""));
    EXPECT_EQ(list.FindGroup("Y")->GetSize(), 1u);
    EXPECT_EQ(list.SymbolOf(Addr('Y', 0, 0)), "LAMP2");
}

TEST(CommentRows, AddRefusesTextsThatNameNoCommentGroup) {
    CCommentList list;
    EXPECT_FALSE(CommentAddressOf(list, "100"));
    EXPECT_FALSE(CommentAddressOf(list, "L0000.0"));
    EXPECT_FALSE(CommentAddressOf(list, ""));
    EXPECT_FALSE(AddComment(list, "100", "N", "", ""));
    EXPECT_FALSE(AddComment(list, "L0000.0", "N", "", ""));
    EXPECT_EQ(list.TotalCount(), 0u);
    EXPECT_FALSE(list.IsModified());
    ASSERT_TRUE(CommentAddressOf(list, "R0010"));
    EXPECT_EQ(*CommentAddressOf(list, "R0010"), Addr('R', 10));
}

TEST(CommentRows, ModifyKeepsTheAddressAndDeleteRemovesTheRow) {
    CCommentList list;
    list.AddOrReplace({Addr('X', 0, 0), "A", "a", ""});
    list.AddOrReplace({Addr('X', 0, 1), "B", "b", ""});
    CCommentGrp& x = *list.FindGroup("X");
    EXPECT_TRUE(ModifyCommentAt(list, x, 1, "BB", "bb", "2"));
    EXPECT_EQ(test::Items(list), (std::vector<std::string>{"X0000.0|A|a|", "X0000.1|BB|bb|2"}));
    EXPECT_TRUE(list.IsModified());
    EXPECT_FALSE(ModifyCommentAt(list, x, 2, "C", "", ""));

    list.SetModified(false);
    EXPECT_TRUE(DeleteCommentAt(list, x, 0));
    EXPECT_EQ(test::Items(list), (std::vector<std::string>{"X0000.1|BB|bb|2"}));
    EXPECT_TRUE(list.IsModified());
    EXPECT_FALSE(DeleteCommentAt(list, x, 1));
}

}  // namespace
}  // namespace varno
