#include "platform/codepage.h"

#include <gtest/gtest.h>

#include "support/hex.h"

namespace varno {
namespace {

using test::FromHex;
using test::ToHex;

// "乤" is 81 61 in GBK: its trail byte is an ASCII 'a'.
const std::string TRAIL_A = FromHex("81 61");

TEST(CodePage, ConvertsBetweenGbkAndUtf8) {
    EXPECT_EQ(ToHex(Utf8ToGbk("中文 X1")), "D6 D0 CE C4 20 58 31");
    EXPECT_EQ(GbkToUtf8(FromHex("D6 D0 CE C4 20 58 31")), "中文 X1");
    EXPECT_EQ(GbkToUtf8(TRAIL_A), "乤");
    EXPECT_EQ(Utf8ToGbk(""), "");
    // Every ASCII byte, the zero byte too, is itself in both code pages.
    std::string ascii;
    for (int c = 0; c < 0x80; ++c) {
        ascii.push_back(static_cast<char>(c));
    }
    EXPECT_EQ(GbkToUtf8(ascii), ascii);
    EXPECT_EQ(Utf8ToGbk(ascii), ascii);
    EXPECT_EQ(ToHex(Utf8ToGbk(ascii + "中")), ToHex(ascii + FromHex("D6 D0")));
}

TEST(CodePage, UnconvertibleTextIsReplacedNotDropped) {
    // An emoji has no GBK form; invalid UTF-8 neither.
    EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                        "b"),
              "a?b");
    EXPECT_EQ(Utf8ToGbk("a\xFF"
                        "b"),
              "a?b");
    // A lone lead byte at the end is truncated GBK.
    EXPECT_EQ(GbkToUtf8(FromHex("41 D6")), "A\xEF\xBF\xBD");
}

TEST(CodePage, UpperCaseNeverTouchesTrailBytes) {
    EXPECT_EQ(MbUpper("x0010.3"), "X0010.3");
    EXPECT_EQ(MbUpper(TRAIL_A + "a"), TRAIL_A + "A");
    EXPECT_EQ(MbUpper("a" + TRAIL_A), "A" + TRAIL_A);
    // A lead byte as the very last byte stands alone.
    EXPECT_EQ(MbUpper(FromHex("61 81")), FromHex("41 81"));
}

TEST(CodePage, CaseInsensitiveEqualityFoldsAsciiOnly) {
    EXPECT_TRUE(MbEqualNoCase("Project", "PROJECT"));
    EXPECT_FALSE(MbEqualNoCase(TRAIL_A, FromHex("81 41")));
    EXPECT_FALSE(MbEqualNoCase("ab", "abc"));
}

TEST(CodePage, TrimRemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(MbTrim(" \t TMR \r\n"), "TMR");
    EXPECT_EQ(MbTrim("   "), "");
    EXPECT_EQ(MbTrim("a b"), "a b");
    EXPECT_EQ(MbTrimLeft("  a "), "a ");
    EXPECT_EQ(MbTrimRight("  a "), "  a");
    EXPECT_EQ(MbTrim(" " + TRAIL_A + " "), TRAIL_A);
}

TEST(CodePage, FormatFollowsPrintf) {
    EXPECT_EQ(Format("%-11s|", "RD"), "RD         |");
    EXPECT_EQ(Format("%c%04d", 'X', 10), "X0010");
    EXPECT_EQ(Format("%04d", 12000), "12000");
    EXPECT_EQ(Format("%s", ""), "");
    EXPECT_EQ(Format("%s", std::string(5000, 'z').c_str()).size(), 5000u);
}

}  // namespace
}  // namespace varno
