#include "platform/atomic_file.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace varno {
namespace {

std::size_t EntryCount(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
}

TEST(AtomicFile, ReplacesTheOldFileOnlyOnCommit) {
    test::CTempDir dir;
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, "old");
    {
        CAtomicFile file(path);
        file.Archive().WriteBytes("new contents");
        EXPECT_EQ(test::ReadFileBytes(path), "old");
        file.Commit();
    }
    EXPECT_EQ(test::ReadFileBytes(path), "new contents");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(AtomicFile, AbandonedSaveLeavesOldFileAndNoTemporary) {
    test::CTempDir dir;
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, "old");
    {
        CAtomicFile file(path);
        file.Archive().WriteBytes("half");
    }
    EXPECT_EQ(test::ReadFileBytes(path), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(AtomicFile, FailedWriteAtEveryPointKeepsTheOldFile) {
    test::CTempDir dir;
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, "old");
    const std::string payload(10000, 'x');
    for (std::uint64_t budget : {0u, 1u, 4095u, 4096u, 9999u}) {
        CFileArchive::SetWriteFaultForTesting(budget);
        EXPECT_THROW(SaveFileAtomically(
                         path, [&](CArchive& ar) { ar.WriteBytes(payload); }, 64),
                     CFileException);
        CFileArchive::SetWriteFaultForTesting(std::nullopt);
        EXPECT_EQ(test::ReadFileBytes(path), "old");
        EXPECT_EQ(EntryCount(dir.Path()), 1u);
    }
    SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(payload); });
    EXPECT_EQ(test::ReadFileBytes(path), payload);
}

TEST(AtomicFile, RefusesReadOnlyTargetAndKeepsPermissions) {
    test::CTempDir dir;
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, "old");
    chmod(path.c_str(), 0444);
    EXPECT_THROW(CAtomicFile file(path), CFileException);
    EXPECT_EQ(test::ReadFileBytes(path), "old");

    chmod(path.c_str(), 0640);
    SaveFileAtomically(path, [](CArchive& ar) { ar.WriteBytes("new"); });
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, MissingFolderIsAFileError) {
    test::CTempDir dir;
    EXPECT_THROW(CAtomicFile file(dir.File("no/such/folder/f")), CFileException);
}

}  // namespace
}  // namespace varno
