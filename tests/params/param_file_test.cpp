#include <sys/stat.h>

#include <gtest/gtest.h>

#include "params/param_doc.h"
#include "platform/atomic_file.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

std::string FileOf(const CParamList& list) {
    CMemWriteArchive ar;
    list.WriteParamFile(ar);
    return std::string(ar.Data().begin(), ar.Data().end());
}

bool Read(CParamList& list, const std::string& bytes) {
    return list.ReadParamFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// A parameter file with the given directory entries and data after the directory.
std::string Build(const std::vector<std::tuple<char, std::uint16_t, std::uint32_t>>& entries,
                  const std::string& data) {
    CMemWriteArchive ar;
    ar.Write("PAR", 4);
    ar.WriteValue(std::uint16_t{32});
    ar.WriteValue(std::uint16_t{200});
    ar.WriteValue(static_cast<std::uint32_t>(32 + 8 * entries.size() + data.size()));
    ar.WriteValue(static_cast<std::uint32_t>(32 + 8 * entries.size()));
    ar.WriteValue(std::uint16_t{8});
    ar.WriteValue(static_cast<std::uint16_t>(entries.size()));
    ar.Write(std::string(12, '\0').data(), 12);
    for (auto [name, size, offset] : entries) {
        const char n[2] = {name, 0};
        ar.Write(n, 2);
        ar.WriteValue(size);
        ar.WriteValue(offset);
    }
    ar.WriteBytes(data);
    return std::string(ar.Data().begin(), ar.Data().end());
}

std::string Le32s(std::int32_t first, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        std::int32_t v = first + static_cast<std::int32_t>(i);
        bytes.append(reinterpret_cast<const char*>(&v), 4);
    }
    return bytes;
}

TEST(ParamFile, DefaultFileIs2056Bytes) {
    CParamDoc doc;
    const std::string file = FileOf(doc.Tables());
    ASSERT_EQ(file.size(), 2056u);
    EXPECT_EQ(test::ToHex(file.substr(0, 56)),
              "50 41 52 00 20 00 C8 00 08 08 00 00 38 00 00 00 08 00 03 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 "
              "43 00 C8 00 38 00 00 00 "
              "44 00 E8 03 00 01 00 00 "
              "54 00 20 03 E8 04 00 00");
    EXPECT_EQ(file.substr(56), std::string(2000, '\0'));
}

TEST(ParamFile, ValuesRoundTripThroughTheDisk) {
    test::CTempDir dir;
    CParamDoc doc;
    doc.Tables().Find("C")->SetValue(99, 65535);
    doc.Tables().Find("D")->SetValue(999, 255);
    doc.Tables().Find("T")->SetValue(0, -2);
    doc.SetModified(true);
    ASSERT_TRUE(doc.Save(dir.File("a.par")));
    EXPECT_FALSE(doc.IsModified());
    const std::string bytes = test::ReadFileBytes(dir.File("a.par"));
    EXPECT_EQ(test::ToHex(bytes.substr(56 + 198, 2)), "FF FF");
    EXPECT_EQ(test::ToHex(bytes.substr(1256, 4)), "FE FF FF FF");

    CParamDoc read;
    ASSERT_TRUE(read.Load(dir.File("a.par")));
    EXPECT_EQ(FileOf(read.Tables()), bytes);
}

TEST(ParamFile, ReadsTheTablesTheDirectoryLists) {
    CParamList list;
    list.SetDefaultTables(nullptr);
    list.Find("C")->SetValue(0, 9);
    // Only T listed: counters and data keep their values.
    ASSERT_TRUE(Read(list, Build({{'T', 800, 40}}, Le32s(100, 200))));
    EXPECT_EQ(list.Find("T")->GetValue(0), 100);
    EXPECT_EQ(list.Find("T")->GetValue(199), 299);
    EXPECT_EQ(list.Find("C")->GetValue(0), 9);

    // 1000 bytes for T: the first 800 fill the 200 timers.
    ASSERT_TRUE(Read(list, Build({{'T', 1000, 40}}, Le32s(1, 250))));
    EXPECT_EQ(list.Find("T")->GetValue(199), 200);

    // A short entry clears the rest of the table; unknown names are skipped.
    ASSERT_TRUE(Read(list, Build({{'Q', 4, 48}, {'T', 8, 48}}, Le32s(7, 2))));
    EXPECT_EQ(list.Find("T")->GetValue(1), 8);
    EXPECT_EQ(list.Find("T")->GetValue(2), 0);
}

TEST(ParamFile, DamagedFilesNeverReadPastTheData) {
    CParamList list;
    list.SetDefaultTables(nullptr);
    list.Find("D")->SetValue(0, 1);
    list.Find("D")->SetValue(1, 2);

    EXPECT_FALSE(Read(list, ""));
    EXPECT_FALSE(Read(list, "PAR"));
    std::string wrongTag = Build({{'D', 2, 40}}, "\x05\x06");
    wrongTag[2] = 'X';
    EXPECT_FALSE(Read(list, wrongTag));
    EXPECT_FALSE(Read(list, Build({}, "").substr(0, 31)));
    EXPECT_EQ(list.Find("D")->GetValue(0), 1);

    // A file cut inside a table: the bytes there are read, the rest is 0.
    ASSERT_TRUE(Read(list, Build({{'D', 1000, 40}}, "\x05")));
    EXPECT_EQ(list.Find("D")->GetValue(0), 5);
    EXPECT_EQ(list.Find("D")->GetValue(1), 0);

    // An offset beyond the data clears the table and reads nothing.
    list.Find("D")->SetValue(0, 1);
    ASSERT_TRUE(Read(list, Build({{'D', 1000, 0xFFFFFFF0}}, "")));
    EXPECT_EQ(list.Find("D")->GetValue(0), 0);

    // A directory announcing more entries than the data holds reads the complete ones.
    std::string bytes = Build({{'D', 1, 40}}, "\x07");
    bytes[18] = '\xFF';
    bytes[19] = '\xFF';
    ASSERT_TRUE(Read(list, bytes));
    EXPECT_EQ(list.Find("D")->GetValue(0), 7);

    // Every cut of a real file reads without harm.
    CParamDoc doc;
    const std::string full = FileOf(doc.Tables());
    for (std::size_t n = 0; n <= 80; ++n) {
        EXPECT_EQ(Read(list, full.substr(0, n)), n >= 32) << n;
    }
}

TEST(ParamFile, FailedSavesKeepTheOldFile) {
    test::CTempDir dir;
    const std::string path = dir.File("a.par");
    test::WriteFileBytes(path, "old");
    CParamDoc doc;
    doc.SetModified(true);
    for (std::uint64_t budget : {0u, 40u, 2055u}) {
        CFileArchive::SetWriteFaultForTesting(budget);
        EXPECT_FALSE(doc.Save(path));
        CFileArchive::SetWriteFaultForTesting(std::nullopt);
        EXPECT_EQ(test::ReadFileBytes(path), "old");
        EXPECT_TRUE(doc.IsModified());
    }
    chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(doc.Save(path, &error));
    EXPECT_NE(error.find("read-only"), std::string::npos);
    EXPECT_FALSE(doc.Load(path, &error));  // "old" is no parameter file
    EXPECT_FALSE(doc.Load(dir.File("missing.par")));
}

}  // namespace
}  // namespace varno
