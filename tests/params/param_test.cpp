#include <gtest/gtest.h>

#include "comments/comment_list.h"
#include "params/param_doc.h"

namespace varno {
namespace {

TEST(ParamTables, DefaultTablesAndTheirAddresses) {
    CParamDoc doc;
    const CParamList& list = doc.Tables();
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list.Tables()[0]->Name(), "C");
    EXPECT_EQ(list.Tables()[1]->Name(), "D");
    EXPECT_EQ(list.Tables()[2]->Name(), "T");
    EXPECT_EQ(doc.CurrentTable(), nullptr);

    const CParamData& c = *list.Find("C");
    const CParamData& d = *list.Find("D");
    const CParamData& t = *list.Find("T");
    EXPECT_EQ(c.Length(), 100u);
    EXPECT_EQ(c.ByteSize(), 200u);
    EXPECT_EQ(d.Length(), 1000u);
    EXPECT_EQ(d.ByteSize(), 1000u);
    EXPECT_EQ(t.Length(), 200u);
    EXPECT_EQ(t.ByteSize(), 800u);
    EXPECT_NE(dynamic_cast<const CParamC*>(&t), nullptr);  // timers are a kind of counter table

    EXPECT_EQ(t.EntryAddressText(3), "T0012");
    EXPECT_EQ(t.EntryAddress(3), (LDADDR{'T', -1, 12}));
    EXPECT_EQ(d.EntryAddressText(3), "D0003");
    EXPECT_EQ(c.EntryAddressText(1), "C0004");
    EXPECT_EQ(c.EntryAddress(99), (LDADDR{'C', -1, 396}));
}

TEST(ParamTables, ValuesAreCutToTheEntryWidth) {
    CParamDoc doc;
    CParamData& c = *doc.Tables().Find("C");
    CParamData& d = *doc.Tables().Find("D");
    CParamData& t = *doc.Tables().Find("T");
    c.SetValue(0, 65536 + 7);
    EXPECT_EQ(c.GetValue(0), 7);
    c.SetValue(1, -1);
    EXPECT_EQ(c.GetValue(1), 65535);
    d.SetValue(0, 300);
    EXPECT_EQ(d.GetValue(0), 44);
    t.SetValue(199, -1500);
    EXPECT_EQ(t.GetValue(199), -1500);

    c.SetValue(100, 5);
    EXPECT_EQ(c.GetValue(100), 0);
    EXPECT_EQ(t.GetValue(200), 0);
    // Values lie little-endian in the raw array the file is made of.
    EXPECT_EQ(std::as_const(c).RawValues()[0], 7);
    EXPECT_EQ(std::as_const(t).RawValues()[199 * 4], static_cast<std::uint8_t>(-1500 & 0xFF));
}

TEST(ParamTables, ListReplacesTablesOfTheSameName) {
    CParamList list;
    list.SetDefaultTables(nullptr);
    CParamData* oldD = list.Find("D");
    auto replacement = std::make_unique<CParamD>();
    CParamData* newD = replacement.get();
    EXPECT_EQ(&list.Add(std::move(replacement)), newD);
    EXPECT_NE(oldD, newD);
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list.Tables()[1].get(), newD);  // in the old table's place
    EXPECT_EQ(newD->Length(), 0u);
    EXPECT_EQ(list.Find("Q"), nullptr);
}

TEST(ParamTables, DocumentSetsValuesOfTheCurrentTable) {
    CCommentList comments;
    CParamDoc doc(&comments);
    doc.SetValue(0, 5);
    EXPECT_FALSE(doc.IsModified());

    doc.SetCurrentTable(doc.Tables().Find("T"));
    doc.SetValue(3, 1500);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Tables().Find("T")->GetValue(3), 1500);

    // The comment group is found through the list, so it survives a reset of the list.
    EXPECT_EQ(doc.Tables().Find("C")->CommentGroup(), comments.FindGroup("C"));
    comments.Reset();
    comments.SetComment({'C', -1, 4}, "PARTS", "", "");
    const CCommentGrp* group = doc.Tables().Find("C")->CommentGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_NE(group->Find(doc.Tables().Find("C")->EntryAddress(1)), nullptr);
    EXPECT_EQ(CParamDoc().Tables().Find("C")->CommentGroup(), nullptr);
}

}  // namespace
}  // namespace varno
