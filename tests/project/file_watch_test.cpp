#include "project/file_watch.h"

#include "project/document_watch.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "file_watch_files.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/strings/app_windows.h"
#include "pumped_post.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::CCountingWindow;
using test::ReplaceFile;

class CScriptedDialog final : public IFileWatchDialog {
public:
    bool AskReload(const std::string& text, int* autoReload, int* reloadAll) override {
        texts.push_back(text);
        shownAutoReload = autoReload != nullptr;
        shownReloadAll = reloadAll != nullptr;
        if (autoReload != nullptr) {
            *autoReload = tickAutoReload;
        }
        if (reloadAll != nullptr) {
            *reloadAll = tickReloadAll;
        }
        return answer;
    }

    bool answer = false;
    int tickAutoReload = 0;
    int tickReloadAll = 0;
    bool shownAutoReload = false;
    bool shownReloadAll = false;
    std::vector<std::string> texts;
};

class FileWatchTest : public ::testing::Test {
protected:
    // A change of the marker, once reported, shows that every change made before it in the
    // same directory has been seen: the worker scans a directory's files together, under the
    // lock that any call of the watch waits for.
    void SettleDirectory(const std::string& directory) {
        const std::string marker = directory + "marker";
        if (markers_.count(marker) == 0) {
            ReplaceFile(marker, "m", 1000);
            markers_[marker] = watch_.AddFileWatch(marker, &window_, nullptr);
            ASSERT_NE(markers_[marker], 0u);
        }
        const FileWatchId id = markers_[marker];
        const int before = window_.Count(id);
        ReplaceFile(marker, "m", 1001 + before);
        ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(id) > before; }));
        watch_.WatchedDirectoryCount();
        post_.RunQueued();
    }

    test::CTempDir dir_;
    test::CPumpedPost post_;
    CCountingWindow window_;
    CFileWatch watch_{post_};
    std::map<std::string, FileWatchId> markers_;
};

TEST(FileWatchDirectory, TakesEverythingUpToTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(FileWatchDirectory("C:\\proj\\plc.txt"), "C:\\proj\\");
    EXPECT_EQ(FileWatchDirectory("/tmp/a\\b/c.txt"), "/tmp/a\\b/");
    EXPECT_EQ(FileWatchDirectory(".\\sub/"), ".\\sub/");
    EXPECT_EQ(FileWatchDirectory("plc.txt"), "");
}

TEST_F(FileWatchTest, FilesOfOneDirectoryShareOneNotification) {
    const std::string a = dir_.File("a.txt");
    const std::string b = dir_.File("b.txt");
    std::filesystem::create_directory(dir_.Path() / "sub");
    const std::string c = dir_.File("sub/c.txt");
    ReplaceFile(a, "a", 100);
    ReplaceFile(b, "b", 100);
    ReplaceFile(c, "c", 100);

    const FileWatchId idA = watch_.AddFileWatch(a, &window_, nullptr);
    const FileWatchId idB = watch_.AddFileWatch(b, &window_, nullptr);
    ASSERT_NE(idA, 0u);
    EXPECT_EQ(idB, idA + 1);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 1u);
    // A subfolder is a directory of its own.
    const FileWatchId idC = watch_.AddFileWatch(c, &window_, nullptr);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 2u);

    watch_.RemoveFileWatch(idA);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 2u);
    // The shared notification still reports the file left in it.
    ReplaceFile(b, "b2", 200);
    ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(idB) == 1; }));
    EXPECT_EQ(window_.Count(idA), 0);

    watch_.RemoveFileWatch(idB);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 1u);
    watch_.RemoveFileWatch(idC);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 0u);
    // Removing again, or what was never registered, changes nothing.
    watch_.RemoveFileWatch(idC);
    watch_.RemoveFileWatch(0);
}

TEST_F(FileWatchTest, OnlyAChangedLastWriteTimeIsReported) {
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);

    ReplaceFile(path, "two", 200);
    SettleDirectory(dir_.Path().string() + "/");
    EXPECT_EQ(window_.Count(id), 1);
    // New contents with the same time: not a change.
    ReplaceFile(path, "three", 200);
    SettleDirectory(dir_.Path().string() + "/");
    EXPECT_EQ(window_.Count(id), 1);
    // An older time is a change too (a file restored from a backup).
    ReplaceFile(path, "zero", 50);
    SettleDirectory(dir_.Path().string() + "/");
    EXPECT_EQ(window_.Count(id), 2);
    EXPECT_EQ(window_.paths.front(), path);
}

TEST_F(FileWatchTest, ADirectoryWatchReportsEveryChange) {
    const std::string directory = dir_.Path().string() + "/";
    const FileWatchId id = watch_.AddFileWatch(directory, &window_, nullptr);
    ASSERT_NE(id, 0u);
    test::WriteFileBytes(dir_.File("new.txt"), "x");
    ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(id) >= 1; }));
    const int afterFirst = window_.Count(id);
    std::filesystem::remove(dir_.File("new.txt"));
    ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(id) > afterFirst; }));
    EXPECT_EQ(window_.paths.back(), directory);
}

TEST_F(FileWatchTest, PathsStayAsRegisteredWithEitherSeparator) {
    const std::string path = dir_.Path().string() + "\\plc.txt";
    ReplaceFile(dir_.File("plc.txt"), "one", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);
    ASSERT_NE(id, 0u);
    ReplaceFile(dir_.File("plc.txt"), "two", 200);
    ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(id) == 1; }));
    EXPECT_EQ(window_.paths.back(), path);
}

TEST_F(FileWatchTest, AFileThatCannotBeOpenedIsSkipped) {
    EXPECT_EQ(watch_.AddFileWatch(dir_.File("missing.txt"), &window_, nullptr), 0u);
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 0u);
    EXPECT_FALSE(watch_.WorkerRunning());

    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);
    std::filesystem::remove(path);
    SettleDirectory(dir_.Path().string() + "/");
    EXPECT_EQ(window_.Count(id), 0);
    // Readable again with another time: reported.
    ReplaceFile(path, "two", 300);
    ASSERT_TRUE(post_.PumpUntil([&] { return window_.Count(id) == 1; }));
}

TEST_F(FileWatchTest, AnAtomicSaveIsOneChangeAndItsTemporaryFileIsNeverReported) {
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "old", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);
    SaveFileAtomically(path, [](CArchive& ar) { ar.WriteBytes(std::string(200000, 'x')); });
    SettleDirectory(dir_.Path().string() + "/");
    EXPECT_EQ(window_.Count(id), 1);
    for (const std::string& reported : window_.paths) {
        EXPECT_EQ(reported.find(".tmp-"), std::string::npos) << reported;
    }
}

class CViewOf final : public IFileWatchDocument {
public:
    IFileWatchWindow* FirstView() override { return view; }
    IFileWatchWindow* view = nullptr;
};

TEST_F(FileWatchTest, TheDocumentsFirstViewIsToldAndAWatchRemovedMeanwhileIsNot) {
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    CCountingWindow view;
    CCountingWindow other;
    CViewOf document;
    document.view = &view;
    const FileWatchId id = watch_.AddFileWatch(path, &other, &document);
    ReplaceFile(path, "two", 200);
    ASSERT_TRUE(post_.PumpUntil([&] { return view.Count(id) == 1; }));
    EXPECT_EQ(other.Count(id), 0);

    // The document closes while the notification is on its way: nothing arrives.
    ReplaceFile(path, "three", 300);
    ASSERT_TRUE(post_.WaitQueued());
    watch_.RemoveFileWatch(id);
    document.view = nullptr;
    post_.RunQueued();
    EXPECT_EQ(view.Count(id), 1);
    EXPECT_EQ(other.Count(id), 0);
}

TEST_F(FileWatchTest, ADocumentsOwnSavesAreNeverReported) {
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    CCountingWindow view;
    CViewOf document;
    document.view = &view;
    int reloadAll = 1;
    CScriptedDialog dialog;
    {
        CDocumentWatch docWatch(watch_, document, &reloadAll);
        docWatch.SetPath(path);
        const FileWatchId first = docWatch.Id();
        ASSERT_NE(first, 0u);
        for (int save = 0; save < 3; ++save) {
            docWatch.Save(
                [&] { SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes("mine"); }); });
        }
        EXPECT_NE(docWatch.Id(), first);
        SettleDirectory(dir_.Path().string() + "/");
        EXPECT_TRUE(view.counts.empty());
        EXPECT_FALSE(docWatch.AskReload(first, dialog));

        // Someone else's save is reported, and the shared flag answers without asking.
        SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes("theirs"); });
        ASSERT_TRUE(post_.PumpUntil([&] { return view.Count(docWatch.Id()) == 1; }));
        EXPECT_TRUE(docWatch.AskReload(docWatch.Id(), dialog));
        EXPECT_TRUE(dialog.texts.empty());

        // A failed save still leaves the file watched.
        EXPECT_THROW(docWatch.Save([] { throw CFileException("plc.txt", "disk full"); }),
                     CFileException);
        EXPECT_NE(docWatch.Id(), 0u);
    }
    // The document is gone: only the marker's watch is left.
    EXPECT_EQ(watch_.WatchedDirectoryCount(), 1u);
    watch_.RemoveFileWatch(markers_.begin()->second);
    EXPECT_FALSE(watch_.WorkerRunning());
}

TEST_F(FileWatchTest, TheQuestionIsAskedOnlyWhenNeitherFlagIsOn) {
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);
    CScriptedDialog dialog;
    int reloadAll = 1;
    watch_.SetFileWatchReloadAll(id, &reloadAll);
    EXPECT_TRUE(watch_.AskFileReload(id, dialog));
    EXPECT_TRUE(dialog.texts.empty());

    reloadAll = 0;
    dialog.answer = false;
    dialog.tickAutoReload = 1;
    EXPECT_FALSE(watch_.AskFileReload(id, dialog));
    ASSERT_EQ(dialog.texts.size(), 1u);
    EXPECT_EQ(dialog.texts[0], path + "\n\n" + LoadString(IDS_FILE_RELOAD_QUESTION));
    EXPECT_TRUE(dialog.shownAutoReload);
    EXPECT_TRUE(dialog.shownReloadAll);
    // Cancel keeps the boxes' states from being stored.
    EXPECT_FALSE(watch_.AskFileReload(id, dialog));
    EXPECT_EQ(dialog.texts.size(), 2u);

    dialog.answer = true;
    EXPECT_TRUE(watch_.AskFileReload(id, dialog));
    EXPECT_EQ(dialog.texts.size(), 3u);
    EXPECT_EQ(reloadAll, 0);
    // Auto-reload ticked: later changes of this file reload without asking.
    EXPECT_TRUE(watch_.AskFileReload(id, dialog));
    EXPECT_EQ(dialog.texts.size(), 3u);

    // A watch without the shared flag shows no reload-all box; ticking reload-all elsewhere
    // turns the shared flag on for every watch that holds it.
    ReplaceFile(dir_.File("b.txt"), "b", 100);
    const FileWatchId lone = watch_.AddFileWatch(dir_.File("b.txt"), &window_, nullptr);
    dialog.tickAutoReload = 0;
    EXPECT_TRUE(watch_.AskFileReload(lone, dialog));
    EXPECT_FALSE(dialog.shownReloadAll);
    ReplaceFile(dir_.File("c.txt"), "c", 100);
    const FileWatchId shared = watch_.AddFileWatch(dir_.File("c.txt"), &window_, nullptr);
    watch_.SetFileWatchReloadAll(shared, &reloadAll);
    dialog.tickReloadAll = 1;
    EXPECT_TRUE(watch_.AskFileReload(shared, dialog));
    EXPECT_EQ(reloadAll, 1);

    const std::size_t asked = dialog.texts.size();
    EXPECT_FALSE(watch_.AskFileReload(0, dialog));
    EXPECT_FALSE(watch_.AskFileReload(9999, dialog));
    EXPECT_EQ(dialog.texts.size(), asked);
}

TEST_F(FileWatchTest, TheQuestionShowsAChinesePathAsGbk) {
    const std::string path = dir_.File("指令.txt");
    ReplaceFile(path, "one", 100);
    const FileWatchId id = watch_.AddFileWatch(path, &window_, nullptr);
    CScriptedDialog dialog;
    watch_.AskFileReload(id, dialog);
    ASSERT_EQ(dialog.texts.size(), 1u);
    EXPECT_EQ(GbkToUtf8(dialog.texts[0]).substr(0, path.size()), path);
}

TEST_F(FileWatchTest, RemovingTheLastWatchEndsTheWorkerBeforeReturning) {
    const int threadsBefore = test::ThreadCount();
    const std::string path = dir_.File("plc.txt");
    ReplaceFile(path, "one", 100);
    for (int round = 0; round < 3; ++round) {
        const FileWatchId first = watch_.AddFileWatch(path, &window_, nullptr);
        const FileWatchId second =
            watch_.AddFileWatch(dir_.Path().string() + "/", &window_, nullptr);
        EXPECT_TRUE(watch_.WorkerRunning());
        EXPECT_EQ(test::ThreadCount(), threadsBefore + 1);
        watch_.RemoveFileWatch(first);
        EXPECT_TRUE(watch_.WorkerRunning());
        watch_.RemoveFileWatch(second);
        EXPECT_FALSE(watch_.WorkerRunning());
        EXPECT_EQ(test::ThreadCountSettlingAt(threadsBefore), threadsBefore);
    }
    // The identifiers keep counting across the worker's lives.
    EXPECT_EQ(watch_.AddFileWatch(path, &window_, nullptr), 7u);
}

}  // namespace
}  // namespace varno
