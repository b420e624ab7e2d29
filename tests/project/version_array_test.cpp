#include "project/version_array.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

CVersionArray Filled() {
    CVersionArray v;
    v.GetVersionLine(0, 0) = "ACME";
    v.GetVersionLine(0, 1) = "Works";
    v.GetVersionLine(1, 1) = "\xB4\xB2";  // line 1 empty, line 2 not
    v.GetVersionLine(2, 0) = "V1.0";
    v.GetVersionLine(3, 0) = "a b";
    v.GetVersionLine(3, 1) = "x\ty";
    return v;
}

std::string Block(const CVersionArray& v) {
    CMemWriteArchive ar;
    v.WriteVersionBlock(ar);
    return std::string(ar.Data().begin(), ar.Data().end());
}

TEST(VersionArray, OutOfRangeAccessUsesAPlaceholder) {
    CVersionArray v;
    v.GetVersionLine(4, 0) = "lost";
    v.GetVersionLine(-1, 1) = "lost";
    EXPECT_EQ(v.GetVersionLine(4, 0), "");
    for (int i = 0; i < CVersionArray::COUNT; ++i) {
        EXPECT_EQ(v.GetVersionLine(i, 0), "");
        EXPECT_EQ(v.GetVersionLine(i, 1), "");
    }
}

TEST(VersionArray, EmptyBlockIs56Bytes) {
    EXPECT_EQ(test::ToHex(Block(CVersionArray())),
              "56 45 52 00 20 00 C8 00 38 00 00 00 30 00 00 00 04 00 04 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 "
              "30 00 00 00 32 00 00 00 34 00 00 00 36 00 00 00 "
              "00 00 00 00 00 00 00 00");
}

TEST(VersionArray, BlockHoldsTheTextsAndReadsBack) {
    const CVersionArray v = Filled();
    const std::string block = Block(v);
    // 48 + (4+5+2) + (0+2+2) + (4+0+2) + (3+3+2) = 77
    EXPECT_EQ(block.size(), 77u);
    EXPECT_EQ(test::ToHex(block.substr(8, 8)), "4D 00 00 00 30 00 00 00");
    EXPECT_EQ(test::ToHex(block.substr(32, 16)), "30 00 00 00 3B 00 00 00 3F 00 00 00 45 00 00 00");
    EXPECT_EQ(block.substr(48), std::string("ACME\0Works\0\0\xB4\xB2\0V1.0\0\0a b\0x\ty\0", 29));

    const std::string withNext = block + "NEXT";
    CMemReadArchive ar(withNext);
    CVersionArray read;
    ASSERT_TRUE(read.ReadVersionBlock(ar));
    EXPECT_EQ(read, v);
    EXPECT_EQ(ar.Remaining(), 4u);  // positioned right after the block
}

TEST(VersionArray, BlockReaderTakesShorterCountsAndStopsAtZeroBytes) {
    // Two entries; the second carries bytes after its second zero.
    std::string block = test::FromHex(
        "56 45 52 00 20 00 C8 00 32 00 00 00 28 00 00 00 04 00 02 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 "
        "28 00 00 00 2C 00 00 00");
    block += std::string("AB\0\0C\0D\0xx", 10);
    ASSERT_EQ(block.size(), 0x32u);
    CVersionArray v = Filled();
    CMemReadArchive ar(block);
    ASSERT_TRUE(v.ReadVersionBlock(ar));
    EXPECT_EQ(v.GetVersionLine(0, 0), "AB");
    EXPECT_EQ(v.GetVersionLine(0, 1), "");
    EXPECT_EQ(v.GetVersionLine(1, 0), "C");
    EXPECT_EQ(v.GetVersionLine(1, 1), "D");
    EXPECT_EQ(v.GetVersionLine(2, 0), "");  // not in the block: empty
}

TEST(VersionArray, DamagedBlocksAreRefusedAndChangeNothing) {
    const std::string good = Block(Filled());
    auto refused = [](const std::string& bytes) {
        CVersionArray v;
        v.GetVersionLine(0, 0) = "keep";
        CMemReadArchive ar(bytes);
        bool ok = v.ReadVersionBlock(ar);
        EXPECT_EQ(v.GetVersionLine(0, 0), "keep");
        return !ok;
    };
    for (std::size_t n = 0; n < good.size(); ++n) {
        EXPECT_TRUE(refused(good.substr(0, n))) << "cut at " << n;
    }
    std::string bad = good;
    bad[0] = 'X';
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[18] = 5;  // count above 4
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[36] = 0x50;  // second offset past the third
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[32] = 0x10;  // first offset inside the offset table
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[11] = 0x7F;  // block length far beyond the data
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[8] = 0x20;  // block length shorter than its own offset table
    EXPECT_TRUE(refused(bad));
}

TEST(VersionArray, FileIsTabAndLfSeparated) {
    test::CTempDir dir;
    ASSERT_TRUE(Filled().SaveVersion(dir.File("a.ver")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.ver")),
              "ACME\tWorks\n\t\xB4\xB2\nV1.0\t\na b\tx\ty\n");
    ASSERT_TRUE(CVersionArray().SaveVersion(dir.File("e.ver")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("e.ver")), "\t\n\t\n\t\n\t\n");
}

TEST(VersionArray, FileReadingRules) {
    CVersionArray v;
    v.ParseVersionFile("  Maker\tLine two  \r\nProduct\t\r\nA\tB\tC\n no tab\nfifth\tline\n");
    EXPECT_EQ(v.GetVersionLine(0, 0), "Maker");  // leading blanks go, trailing stay
    EXPECT_EQ(v.GetVersionLine(0, 1), "Line two  ");
    EXPECT_EQ(v.GetVersionLine(1, 0), "Product");  // a line ending in TAB: empty line 2
    EXPECT_EQ(v.GetVersionLine(1, 1), "");
    EXPECT_EQ(v.GetVersionLine(2, 1), "B\tC");  // the second TAB stays in line 2
    EXPECT_EQ(v.GetVersionLine(3, 0), "");      // no TAB: entry stays empty
    EXPECT_EQ(v.GetVersionLine(3, 1), "");

    v.ParseVersionFile("one\ttwo\n\tthree");
    EXPECT_EQ(v.GetVersionLine(1, 1), "three");
    EXPECT_EQ(v.GetVersionLine(2, 0), "");  // a file of two lines
    EXPECT_EQ(v.GetVersionLine(3, 1), "");

    // An entry with only line 2, even behind blanks, keeps it.
    v.ParseVersionFile("  \tonly two\n\x1A\tafter end of file\n");
    EXPECT_EQ(v.GetVersionLine(0, 0), "");
    EXPECT_EQ(v.GetVersionLine(0, 1), "only two");
    EXPECT_EQ(v.GetVersionLine(1, 1), "");
}

TEST(VersionArray, FileRoundTripAndFailures) {
    test::CTempDir dir;
    const CVersionArray v = Filled();
    ASSERT_TRUE(v.SaveVersion(dir.File("a.ver")));
    CVersionArray read;
    ASSERT_TRUE(read.LoadVersion(dir.File("a.ver")));
    EXPECT_EQ(read, v);

    EXPECT_FALSE(read.LoadVersion(dir.File("missing.ver")));
    EXPECT_EQ(read, CVersionArray());

    std::string error;
    EXPECT_FALSE(v.SaveVersion("", &error));
    EXPECT_FALSE(v.SaveVersion(dir.File("no/such/dir.ver"), &error));
    chmod(dir.File("a.ver").c_str(), 0444);
    EXPECT_FALSE(CVersionArray().SaveVersion(dir.File("a.ver"), &error));
    CFileArchive::SetWriteFaultForTesting(2);
    chmod(dir.File("a.ver").c_str(), 0644);
    EXPECT_FALSE(CVersionArray().SaveVersion(dir.File("a.ver"), &error));
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    ASSERT_TRUE(read.LoadVersion(dir.File("a.ver")));
    EXPECT_EQ(read, v);
}

}  // namespace
}  // namespace varno
