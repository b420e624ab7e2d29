#include "platform/string_table.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace varno {
namespace {

class StringTableTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage(Lang::English); }
};

TEST_F(StringTableTest, LoadsTheEditionOfTheRunningLanguage) {
    SetLanguage(Lang::English);
    EXPECT_EQ(LoadString(IDS_CAPTION_ERROR), "Error");
    EXPECT_EQ(LoadString(IDS_LEVEL2), "LEVEL2");
    SetLanguage(Lang::Chinese);
    EXPECT_EQ(GbkToUtf8(LoadString(IDS_CAPTION_ERROR)), "错误");
    // The Chinese edition of the second level's name is spelt this way in stored projects.
    EXPECT_EQ(LoadString(IDS_LEVEL2), "LEVLE2");
    EXPECT_EQ(LoadString(IDS_LEVEL1), "LEVEL1");
    EXPECT_EQ(LoadString(IDS_MAIN_TITLE, Lang::English), "KESTO 3.3.2");
}

TEST_F(StringTableTest, ChineseTextsAreGbkBytes) {
    const std::string& text = LoadString(IDS_OUTPUT_WINDOW, Lang::Chinese);
    EXPECT_EQ(text, Utf8ToGbk("输出窗口"));
    EXPECT_EQ(text.size(), 8u);
}

TEST_F(StringTableTest, UnknownIdentifierIsAProgrammingError) {
    EXPECT_THROW(LoadString(static_cast<StrId>(1)), std::out_of_range);
}

TEST_F(StringTableTest, LanguageFromOptionAndEnvironment) {
    EXPECT_EQ(ParseLanguage("en"), Lang::English);
    EXPECT_EQ(ParseLanguage("zh"), Lang::Chinese);
    EXPECT_EQ(ParseLanguage("de"), std::nullopt);

    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(LanguageFromEnvironment(), Lang::Chinese);
    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "en_US.UTF-8", 1);
    setenv("LANG", "zh_CN.GBK", 1);
    EXPECT_EQ(LanguageFromEnvironment(), Lang::English);
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(LanguageFromEnvironment(), Lang::Chinese);
    unsetenv("LANG");
    unsetenv("LC_ALL");
    EXPECT_EQ(LanguageFromEnvironment(), Lang::English);
}

}  // namespace
}  // namespace varno
