#include "project/profile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "project/profile_values.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

std::string Dump(const CXmlProfile& profile) {
    std::string text;
    for (const CXmlProfileSection& section : profile.Sections()) {
        text += "[" + section.Name() + "]";
        for (const CXmlProfileKey& key : section.Keys()) {
            text += " " + key.Name() + "=" + key.Value();
        }
        text += "\n";
    }
    return text;
}

CXmlProfile LoadText(const test::CTempDir& dir, const std::string& bytes) {
    test::WriteFileBytes(dir.File("p.KPJ"), bytes);
    CXmlProfile profile;
    EXPECT_TRUE(profile.LoadIni(dir.File("p.KPJ")));
    return profile;
}

TEST(Profile, SaveWritesHeadersKeysAndBlankLinesExactly) {
    test::CTempDir dir;
    CXmlProfile profile;
    profile.WriteString("PROJECT", "LADDER DIR", ".\\Demo.vld");
    profile.WriteString("EMPTY", "", "left out");
    profile.WriteString("BUILD", "ROM NAME", "DST.PLC");
    profile.WriteString("BUILD", "BLANK", "");
    ASSERT_TRUE(profile.SaveIni(dir.File("a.KPJ")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.KPJ")),
              "[PROJECT]\r\nLADDER DIR=.\\Demo.vld\r\n\r\n[BUILD]\r\nROM NAME=DST.PLC\r\n"
              "BLANK=\r\n");
}

TEST(Profile, SaveOfNothingLeavesAnEmptyFileAndFails) {
    test::CTempDir dir;
    test::WriteFileBytes(dir.File("a.KPJ"), "old");
    CXmlProfile profile;
    profile.WriteString("ONLY", "", "x");
    EXPECT_FALSE(profile.SaveIni(dir.File("a.KPJ")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.KPJ")), "");
    CXmlProfile unnamed;
    EXPECT_FALSE(unnamed.SaveIni());  // no load, so no remembered path
}

TEST(Profile, SaveUsesTheLoadedPathAndKeepsOldFileOnFailure) {
    test::CTempDir dir;
    const std::string path = dir.File("a.KPJ");
    test::WriteFileBytes(path, "[S]\r\nK=1\r\n");
    CXmlProfile profile;
    ASSERT_TRUE(profile.LoadIni(path));
    profile.WriteString("S", "K", std::string(5000, 'v'));
    for (std::uint64_t budget : {0u, 3u, 4100u}) {
        CFileArchive::SetWriteFaultForTesting(budget);
        std::string error;
        EXPECT_FALSE(profile.SaveIni(&error));
        CFileArchive::SetWriteFaultForTesting(std::nullopt);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nK=1\r\n");
    }
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(profile.SaveIni());
    EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nK=1\r\n");
    chmod(path.c_str(), 0644);
    EXPECT_TRUE(profile.SaveIni());
    EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nK=" + std::string(5000, 'v') + "\r\n");
}

TEST(Profile, LookupsIgnoreCaseAndFallBackToTheDefault) {
    CXmlProfile profile;
    profile.WriteString("Project", "Ladder Dir", "x.vld");
    profile.WriteString("Project", "Empty", "");
    EXPECT_EQ(profile.GetString("PROJECT", "LADDER DIR", "d"), "x.vld");
    EXPECT_EQ(profile.GetString("PROJECT", "EMPTY", "d"), "");
    EXPECT_EQ(profile.GetString("PROJECT", "MISSING", "d"), "d");
    EXPECT_EQ(profile.GetString("NOWHERE", "LADDER DIR", "d"), "d");
    EXPECT_EQ(profile.GetString("PROJECT", "", "d"), "d");
    EXPECT_EQ(profile.GetString("", "LADDER DIR", "d"), "d");
    // Only ASCII letters fold: a GBK character whose trail byte is a letter stays itself.
    profile.WriteString("S", "\xB0\x61", "lower");
    EXPECT_EQ(profile.GetString("S", "\xB0\x41", "none"), "none");
    EXPECT_EQ(profile.GetString("s", "\xB0\x61", "none"), "lower");
}

TEST(Profile, WriteStringFollowsItsRules) {
    CXmlProfile profile;
    EXPECT_EQ(profile.WriteString("", "K", "v"), nullptr);
    EXPECT_FALSE(profile.IsModified());

    CXmlProfileKey* key = profile.WriteString("S", "K", "1", 1);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(profile.IsModified());
    // A read-only key refuses new values and removal.
    EXPECT_EQ(profile.WriteString("S", "k", "2"), nullptr);
    EXPECT_EQ(profile.WriteString("S", "K", std::nullopt), nullptr);
    EXPECT_EQ(profile.GetString("S", "K", ""), "1");

    // Replacing keeps the key's own read-only flag.
    CXmlProfileKey* other = profile.WriteString("S", "Other", "a");
    EXPECT_EQ(profile.WriteString("S", "OTHER", "b", 1), other);
    EXPECT_FALSE(other->IsReadOnly());
    EXPECT_EQ(other->Name(), "Other");
    EXPECT_EQ(other->Value(), "b");

    // A read-only section refuses everything, even its removal.
    profile.SetReadOnly(*profile.FindSection("S"), 1);
    EXPECT_EQ(profile.WriteString("S", "New", "x"), nullptr);
    EXPECT_EQ(profile.WriteString("S", std::nullopt, std::nullopt), nullptr);
    EXPECT_TRUE(profile.SectionExists("s"));
    EXPECT_EQ(profile.GetKeyCount("S"), 2u);
}

TEST(Profile, NullValueRemovesTheKeyIgnoringCaseAndNullKeyTheSection) {
    CXmlProfile profile;
    profile.WriteString("S", "A", "1");
    profile.WriteString("S", "B", "2");
    profile.WriteString("S", "C", "3");
    EXPECT_EQ(profile.WriteString("S", "a", std::nullopt), nullptr);
    EXPECT_FALSE(profile.KeyExists("S", "A"));
    EXPECT_EQ(profile.GetKeyCount("S"), 2u);
    // A value of null for a missing key adds it empty.
    ASSERT_NE(profile.WriteString("S", "D", std::nullopt), nullptr);
    EXPECT_EQ(profile.GetString("S", "D", "x"), "");

    profile.WriteString("T", "K", "v");
    EXPECT_EQ(profile.WriteString("s", std::nullopt, "ignored"), nullptr);
    EXPECT_FALSE(profile.SectionExists("S"));
    EXPECT_EQ(profile.GetSectionCount(), 1u);
}

TEST(Profile, SectionArraysGoBothWays) {
    CXmlProfile profile;
    const CProfileKeyRecord records[] = {{"A", "1", 0}, {"B", "2", 1}, {"a", "3", 0}};
    EXPECT_FALSE(profile.WriteSection("", records));
    EXPECT_FALSE(profile.WriteSection("S", {}));
    EXPECT_TRUE(profile.WriteSection("S", records));
    auto keys = profile.GetSection("s");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].name, "A");
    EXPECT_EQ(keys[0].value, "3");
    EXPECT_EQ(keys[1].readOnly, 1);
    EXPECT_TRUE(profile.GetSection("none").empty());
    // Every record refused: false.
    const CProfileKeyRecord refused[] = {{"B", "x", 0}};
    EXPECT_FALSE(profile.WriteSection("S", refused));

    profile.WriteString("T", "K", "v");
    profile.SetReadOnly(*profile.FindSection("T"), 2);
    auto names = profile.GetSectionNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, "S");
    EXPECT_EQ(names[1].readOnly, 2);
}

TEST(Profile, LoadOfMissingOrEmptyFileFailsWithAnEmptyProfile) {
    test::CTempDir dir;
    CXmlProfile profile;
    profile.WriteString("OLD", "K", "v");
    EXPECT_FALSE(profile.LoadIni(dir.File("missing.KPJ")));
    EXPECT_EQ(profile.GetSectionCount(), 0u);
    EXPECT_TRUE(profile.IsLoaded());
    EXPECT_EQ(profile.Path(), dir.File("missing.KPJ"));
    test::WriteFileBytes(dir.File("empty.KPJ"), "");
    EXPECT_FALSE(profile.LoadIni(dir.File("empty.KPJ")));
    EXPECT_FALSE(profile.LoadIni(dir.Path().string()));  // a folder
}

TEST(Profile, LoadReadsFilesOfTheOriginalPlatform) {
    test::CTempDir dir;
    CXmlProfile profile = LoadText(dir,
                                   "\xEF\xBB\xBF"
                                   "stray=before any section\r\n"
                                   "[PROJECT]\r\n"
                                   "LADDER DIR=.\\Demo.vld\r\n"
                                   "; a comment line\r\n"
                                   "  INSTRUCT DIR  =  .\\Demo.txt  \r\n"
                                   "no equals sign\r\n"
                                   "=empty key\r\n"
                                   "LADDER DIR=.\\Second.vld\r\n"
                                   "\r\n"
                                   "[ LADDER ] trailing text\r\n"
                                   "WIDTH=100\r\n"
                                   "[]\r\n"
                                   "lost=1\r\n"
                                   "[project]\n"
                                   "COMMENT DIR=a=b\n"
                                   "[\xB5\x5D]\n"  // GBK character with a "]" trail byte
                                   "K=\xD6\xD0\xCE\xC4\x1A");
    EXPECT_EQ(Dump(profile),
              "[PROJECT] LADDER DIR=.\\Second.vld INSTRUCT DIR=.\\Demo.txt COMMENT DIR=a=b\n"
              "[LADDER] WIDTH=100\n"
              "[\xB5\x5D] K=\xD6\xD0\xCE\xC4\n");
    EXPECT_TRUE(profile.IsModified());
}

TEST(Profile, SavedFileLoadsBackUnchanged) {
    test::CTempDir dir;
    CXmlProfile profile;
    profile.WriteString("PROJECT", "LADDER DIR", ".\\\xD1\xDD\xCA\xBE.vld");
    profile.WriteString("LADDER", "LADDER_FONT", "COPP");
    profile.WriteString("LADDER", "EMPTY", "");
    profile.WriteString("X", "K", ";v]=x");
    ASSERT_TRUE(profile.SaveIni(dir.File("a.KPJ")));
    CXmlProfile again;
    ASSERT_TRUE(again.LoadIni(dir.File("a.KPJ")));
    EXPECT_EQ(Dump(again), Dump(profile));
}

TEST(ProfileValues, IntegersReadAsAtoiDid) {
    EXPECT_EQ(ParseProfileInt("100"), 100);
    EXPECT_EQ(ParseProfileInt("  -18"), -18);
    EXPECT_EQ(ParseProfileInt("+7px"), 7);
    EXPECT_EQ(ParseProfileInt("abc"), 0);
    EXPECT_EQ(ParseProfileInt("- 5"), 0);
    EXPECT_EQ(ParseProfileInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseProfileInt("-99999999999999999999"), -2147483647 - 1);

    CXmlProfile profile;
    EXPECT_TRUE(WriteProfileInt(profile, "LADDER", "GRID_COLOR", 12632256));
    EXPECT_TRUE(WriteProfileInt(profile, "LADDER", "NEG", -3));
    EXPECT_EQ(profile.GetString("LADDER", "NEG", ""), "-3");
    EXPECT_EQ(GetProfileInt(profile, "LADDER", "GRID_COLOR", 0), 12632256);
    profile.WriteString("LADDER", "EMPTY", "");
    EXPECT_EQ(GetProfileInt(profile, "LADDER", "EMPTY", 42), 42);
    EXPECT_EQ(GetProfileInt(profile, "LADDER", "MISSING", 42), 42);
    EXPECT_FALSE(WriteProfileInt(profile, "", "K", 1));
    EXPECT_FALSE(WriteProfileString(profile, "S", "", "v"));
}

TEST(ProfileValues, ByteBlocksAreLetterPairs) {
    const std::uint8_t bytes[] = {0x12, 0xFF, 0x00};
    EXPECT_EQ(EncodeLetterPairs(bytes), "CBPPAA");
    EXPECT_EQ(DecodeLetterPairs("CBPPA"), (std::vector<std::uint8_t>{0x12, 0xFF}));
    // Letters beyond P still decode modulo 256, as the stored arithmetic did.
    EXPECT_EQ(DecodeLetterPairs("ZZ"), (std::vector<std::uint8_t>{(25 + 16 * 25) & 0xFF}));

    CXmlProfile profile;
    EXPECT_FALSE(WriteProfileBinary(profile, "LADDER", "FONT", {}));
    EXPECT_TRUE(WriteProfileBinary(profile, "LADDER", "FONT", bytes));
    EXPECT_EQ(GetProfileBinary(profile, "LADDER", "FONT"),
              (std::vector<std::uint8_t>{0x12, 0xFF, 0x00}));
    profile.WriteString("LADDER", "EMPTY", "");
    EXPECT_EQ(GetProfileBinary(profile, "LADDER", "EMPTY"), std::nullopt);
    EXPECT_EQ(GetProfileBinary(profile, "LADDER", "MISSING"), std::nullopt);
}

}  // namespace
}  // namespace varno
