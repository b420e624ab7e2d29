#include "comments/comment_list.h"

#include <gtest/gtest.h>

#include "comment_helpers.h"

namespace varno {
namespace {

using test::Addr;

CCommentItem Item(char letter, int number, int bit, std::string symbol, std::string comment1 = "",
                  std::string comment2 = "") {
    return CCommentItem{Addr(letter, number, bit), std::move(symbol), std::move(comment1),
                        std::move(comment2)};
}

std::vector<std::string> Texts(const CCommentGrp& group) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < group.GetSize(); ++i) {
        texts.push_back(group.AddressTextAt(i));
    }
    return texts;
}

TEST(CommentList, StartsWithTheElevenDefaultGroups) {
    CCommentList list;
    std::string names;
    for (const auto& group : list.Groups()) {
        names += group->Name();
    }
    EXPECT_EQ(names, "ACDFGKPRTXY");
    EXPECT_EQ(list.FindGroup("L"), nullptr);
    EXPECT_EQ(list.FindGroup("x"), nullptr);  // names compare byte for byte
    EXPECT_EQ(list.TotalCount(), 0u);
}

TEST(CommentList, ItemsStayInKeyOrderAndReplaceTheirAddress) {
    CCommentList list;
    EXPECT_TRUE(list.AddOrReplace(Item('X', 1, 0, "B0")));
    EXPECT_TRUE(list.AddOrReplace(Item('X', 0, 7, "A7")));
    EXPECT_TRUE(list.AddOrReplace(Item('X', 1, -1, "B")));
    EXPECT_TRUE(list.AddOrReplace(Item('X', 300, 2, "big")));
    const CCommentGrp& x = *list.FindGroup("X");
    EXPECT_EQ(Texts(x), (std::vector<std::string>{"X0000.7", "X0001", "X0001.0", "X0300.2"}));

    EXPECT_TRUE(list.AddOrReplace(Item('X', 1, -1, "B2", "c1")));
    EXPECT_EQ(x.GetSize(), 4u);
    EXPECT_EQ(x.GetAt(1).symbol, "B2");
    EXPECT_FALSE(list.IsModified());  // adding is not an edit by itself

    EXPECT_FALSE(list.AddOrReplace(Item('L', 10, -1, "label")));
    EXPECT_FALSE(list.AddOrReplace(Item('W', 1, -1, "w")));
    EXPECT_EQ(list.TotalCount(), 4u);
}

TEST(CommentList, LookupsByAddressAndSymbol) {
    CCommentList list;
    list.AddOrReplace(Item('X', 0, 0, "START", "Start button", "green"));
    list.AddOrReplace(Item('R', 10, -1, "SPEED"));
    list.AddOrReplace(Item('Y', 2, 1, "START"));  // a later item of the same symbol
    list.AddOrReplace(Item('D', 5, -1, "", "only comment"));

    EXPECT_EQ(list.SymbolOf(Addr('X', 0, 0)), "START");
    EXPECT_EQ(list.CommentOf(Addr('X', 0, 0), 0), "Start button");
    EXPECT_EQ(list.CommentOf(Addr('X', 0, 0), 1), "green");
    EXPECT_EQ(list.SymbolOf(Addr('X', 0, -1)), "");  // the byte is another address
    EXPECT_EQ(list.SymbolOf(Addr('L', 0, 0)), "");
    EXPECT_EQ(list.CommentOf(Addr('Q', 0, 0), 1), "");

    EXPECT_EQ(list.AddressOfSymbol("START"), "X0000.0");  // X's group comes before Y's
    EXPECT_EQ(list.AddressOfSymbol("SPEED"), "R0010");
    EXPECT_EQ(list.AddressOfSymbol("speed"), std::nullopt);
    EXPECT_EQ(list.AddressOfSymbol(""), std::nullopt);  // not the item without a symbol
}

TEST(CommentList, EditsMarkTheListModified) {
    CCommentList list;
    EXPECT_FALSE(list.Delete(Addr('X', 0, 0)));
    EXPECT_FALSE(list.SetComment(Addr('L', 1), "no", "group", ""));
    EXPECT_FALSE(list.IsModified());

    EXPECT_TRUE(list.SetComment(Addr('X', 0, 0), "S", "c1", "c2"));
    EXPECT_TRUE(list.IsModified());
    list.SetModified(false);

    CCommentGrp& x = *list.FindGroup("X");
    EXPECT_FALSE(list.ReplaceAt(x, 1, Item('X', 0, 0, "none")));
    EXPECT_FALSE(list.IsModified());
    // Replacing at an index keeps the address there, whatever the new item says.
    EXPECT_TRUE(list.ReplaceAt(x, 0, Item('X', 9, 1, "NEW", "n1")));
    EXPECT_TRUE(list.IsModified());
    EXPECT_EQ(x.AddressTextAt(0), "X0000.0");
    EXPECT_EQ(list.SymbolOf(Addr('X', 0, 0)), "NEW");

    list.SetModified(false);
    EXPECT_TRUE(list.Delete(Addr('X', 0, 0)));
    EXPECT_TRUE(list.IsModified());
    EXPECT_EQ(list.TotalCount(), 0u);

    list.SetComment(Addr('T', 4), "T", "", "");
    list.Reset();
    EXPECT_EQ(list.TotalCount(), 0u);
    EXPECT_EQ(list.Groups().size(), 11u);
}

TEST(CommentList, ListenersHearEachEditOnceAndBatchesOnceInAll) {
    CCommentList list;
    int calls = 0;
    CCommentSubscription watch = list.Subscribe([&] { ++calls; });
    list.AddOrReplace(Item('X', 0, 0, "QUIET"));  // the loaders' step: no one is told
    EXPECT_EQ(calls, 0);
    list.SetComment(Addr('X', 0, 1), "A", "", "");
    list.ReplaceAt(*list.FindGroup("X"), 0, Item('X', 0, 0, "B"));
    list.Delete(Addr('X', 0, 1));
    EXPECT_EQ(calls, 3);
    list.Delete(Addr('X', 7, 1));  // nothing there: nothing changed
    list.ReplaceAt(*list.FindGroup("X"), 9, Item('X', 0, 0, "C"));
    list.SetComment(Addr('L', 1), "NOGROUP", "", "");
    EXPECT_EQ(calls, 3);
    {
        CCommentList::CChangeBatch outer(list);
        list.SetComment(Addr('Y', 0, 0), "Y", "", "");
        {
            CCommentList::CChangeBatch inner(list);
            list.SetComment(Addr('Y', 0, 1), "Y1", "", "");
        }
        EXPECT_EQ(calls, 3);
    }
    EXPECT_EQ(calls, 4);
    list.ParseCommentFile("R0001\tR1\r\n");
    list.Reset();
    EXPECT_EQ(calls, 6);
}

TEST(CommentList, CancelledOrOutlivingSubscriptionsAreSafe) {
    int first = 0;
    int second = 0;
    CCommentSubscription keep;
    {
        CCommentList list;
        CCommentSubscription a = list.Subscribe([&] { ++first; });
        // The first listener cancels the second while both are being told.
        CCommentSubscription b;
        a = list.Subscribe([&] {
            ++first;
            b.Cancel();
        });
        b = list.Subscribe([&] { ++second; });
        list.SetComment(Addr('X', 0, 0), "S", "", "");
        EXPECT_EQ(first, 1);  // the replaced first subscription was cancelled
        EXPECT_EQ(second, 0);
        keep = list.Subscribe([&] { ++second; });
    }
    keep.Cancel();  // the list is gone
    EXPECT_EQ(second, 0);
}

TEST(CommentGroup, AddressTextsAndLinearIndex) {
    CCommentGrp group("D");
    group.AddOrReplace(Item('D', 12000, -1, "wide"));
    EXPECT_EQ(group.AddressTextAt(0), "D12000");
    EXPECT_EQ(group.AddressTextAt(1), "");
    EXPECT_EQ(CCommentGrp::LinearIndex("X0010.3"), 83);
    EXPECT_EQ(CCommentGrp::LinearIndex("X0010"), 80);
    EXPECT_EQ(CCommentGrp::LinearIndex("nonsense"), std::nullopt);
}

}  // namespace
}  // namespace varno
