#include "params/param_rows.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "comments/comment_list.h"
#include "params/param_doc.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

LDADDR ByteAddr(char letter, int number) {
    return LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(number)};
}

TEST(ParamRows, CellsShowEntryValueAndTheCommentOfItsAddress) {
    CCommentList comments;
    comments.SetComment(ByteAddr('C', 4), "PARTS", "Part counter", "second");
    // A bit address is another element: it does not label the counter entry.
    comments.SetComment(LDADDR{'C', 0, 8}, "BIT", "", "");
    CParamDoc doc(&comments);
    CParamData& c = *doc.Tables().Find("C");
    doc.SetCurrentTable(&c);
    doc.SetValue(1, 70000);
    EXPECT_EQ(ParamCellText(c, 1, PARAM_INDEX), "1");
    EXPECT_EQ(ParamCellText(c, 1, PARAM_ADDRESS), "C0004");
    EXPECT_EQ(ParamCellText(c, 1, PARAM_DATA), "4464");  // 70000 modulo 65536
    EXPECT_EQ(ParamCellText(c, 1, PARAM_SYMBOL), "PARTS");
    EXPECT_EQ(ParamCellText(c, 1, PARAM_COMMENT_1), "Part counter");
    EXPECT_EQ(ParamCellText(c, 1, PARAM_COMMENT_2), "second");
    EXPECT_EQ(ParamCellText(c, 2, PARAM_SYMBOL), "");
    EXPECT_EQ(ParamCellText(c, 100, PARAM_INDEX), "");
    EXPECT_EQ(ParamCellText(c, 0, PARAM_COLUMN_COUNT), "");

    CParamData& t = *doc.Tables().Find("T");
    doc.SetCurrentTable(&t);
    doc.SetValue(3, 1500);
    doc.SetValue(4, -2);
    EXPECT_EQ(ParamCellText(t, 3, PARAM_ADDRESS), "T0012");
    EXPECT_EQ(ParamCellText(t, 3, PARAM_DATA), "1500");
    EXPECT_EQ(ParamCellText(t, 4, PARAM_DATA), "-2");
    CParamData& d = *doc.Tables().Find("D");
    doc.SetCurrentTable(&d);
    doc.SetValue(0, 300);
    EXPECT_EQ(ParamCellText(d, 0, PARAM_DATA), "44");

    // The comments are looked up when asked: a later edit shows at once.
    comments.SetComment(ByteAddr('C', 4), "RENAMED", "", "");
    EXPECT_EQ(ParamCellText(c, 1, PARAM_SYMBOL), "RENAMED");
    comments.Reset();
    EXPECT_EQ(ParamCellText(c, 1, PARAM_SYMBOL), "");
}

TEST(ParamRows, OnlyAFileWithoutWritePermissionNeedsANewName) {
    test::CTempDir dir;
    const std::string path = dir.File("a.par");
    EXPECT_FALSE(SaveNeedsNewName(path));
    test::WriteFileBytes(path, "x");
    EXPECT_FALSE(SaveNeedsNewName(path));
    chmod(path.c_str(), 0444);
    EXPECT_TRUE(SaveNeedsNewName(path));
    EXPECT_FALSE(SaveNeedsNewName(dir.Path().string()));
}

}  // namespace
}  // namespace varno
