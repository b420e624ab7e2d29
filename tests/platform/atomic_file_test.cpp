#include "platform/atomic_file.h"

#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

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

std::vector<std::string> EntryNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, ASaveRemovesWhatKilledSavesOfTheSameFileLeftBehind) {
    test::CTempDir dir;
    const std::string path = dir.File("plc.txt");
    test::WriteFileBytes(path, "old");
    // A save killed half way: the child dies holding its temporary file.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CAtomicFile file(path);
        file.Archive().WriteBytes("half");
        file.Archive().Flush();
        kill(getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(EntryCount(dir.Path()), 2u);

    // Names that only look alike belong to someone else.
    const std::vector<std::string> others = {"plc.txt.tmp-abc", "plc.txt.tmp-abcdef1",
                                             "plc.txt.tmp-ab.def", "xplc.txt.tmp-abcdef",
                                             "plc.tx.tmp-abcdef"};
    for (const std::string& name : others) {
        test::WriteFileBytes(dir.File(name), "keep");
    }
    // A save in progress holds its file: it stays.
    test::WriteFileBytes(dir.File("plc.txt.tmp-Live00"), "busy");
    const int held = open(dir.File("plc.txt.tmp-Live00").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    SaveFileAtomically(path, [](CArchive& ar) { ar.WriteBytes("new"); });
    close(held);
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    std::vector<std::string> expected = others;
    expected.push_back("plc.txt");
    expected.push_back("plc.txt.tmp-Live00");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EntryNames(dir.Path()), expected);

    // A failed save removes nothing.
    test::WriteFileBytes(dir.File("plc.txt.tmp-Stale1"), "stale");
    CFileArchive::SetWriteFaultForTesting(0);
    EXPECT_THROW(SaveFileAtomically(path, [](CArchive& ar) { ar.WriteBytes("x"); }),
                 CFileException);
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    EXPECT_TRUE(std::filesystem::exists(dir.File("plc.txt.tmp-Stale1")));
}

}  // namespace
}  // namespace varno
