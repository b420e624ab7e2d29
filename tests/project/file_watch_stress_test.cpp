// The watch under load: files rewritten as fast as a thread can while the user-interface
// thread adds and removes watches. Meant to run under ThreadSanitizer as well.
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "file_watch_files.h"
#include "project/file_watch.h"
#include "pumped_post.h"

namespace varno {
namespace {

constexpr int FILES = 8;
constexpr int REWRITES = 1000;

// Reads the file when told, as a document reloading it would.
class CReloadingWindow final : public IFileWatchWindow {
public:
    void OnFileWatchNotify(FileWatchId, const std::string& path) override {
        ++notifications;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        lastRead = text.str();
    }
    int notifications = 0;
    std::string lastRead;
};

std::string Contents(int round) {
    return "round " + std::to_string(round);
}

TEST(FileWatchStress, RewritesWhileWatchesComeAndGo) {
    test::CFastTempDir dir;
    std::filesystem::create_directory(dir.Path() / "a");
    std::filesystem::create_directory(dir.Path() / "b");
    std::filesystem::create_directory(dir.Path() / "c");
    std::vector<std::string> paths;
    for (int i = 0; i < FILES; ++i) {
        paths.push_back(dir.File((i % 2 == 0 ? "a/f" : "b/f") + std::to_string(i)));
        test::ReplaceFile(paths.back(), Contents(-1), 1000);
    }
    const std::string churnFile = dir.File("c/churn");
    test::ReplaceFile(churnFile, "c", 1000);

    test::CPumpedPost post;
    CFileWatch watch(post);
    std::vector<CReloadingWindow> windows(FILES);
    std::vector<FileWatchId> steady;
    for (int i = 0; i < FILES; ++i) {
        steady.push_back(watch.AddFileWatch(paths[i], &windows[i], nullptr));
        ASSERT_NE(steady.back(), 0u);
    }

    std::atomic<bool> writing{true};
    std::thread writer([&] {
        // Every rewrite gets its own last-write time, so that each one is a change.
        for (int round = 0; round < REWRITES; ++round) {
            for (int i = 0; i < FILES; ++i) {
                test::ReplaceFile(paths[i], Contents(round), 2000 + round);
            }
        }
        writing = false;
    });

    // Extra watches on the same files and a directory that comes and goes, so that the
    // worker's wait list is rebuilt again and again while the files change.
    test::CCountingWindow churnWindow;
    int cycles = 0;
    while (writing || cycles < 50) {
        std::vector<FileWatchId> extra;
        for (int i = 0; i < FILES; i += 3) {
            extra.push_back(watch.AddFileWatch(paths[i], &churnWindow, nullptr));
        }
        extra.push_back(watch.AddFileWatch(churnFile, &churnWindow, nullptr));
        extra.push_back(watch.AddFileWatch(dir.Path().string() + "/c/", &churnWindow, nullptr));
        post.RunQueued();
        for (FileWatchId id : extra) {
            watch.RemoveFileWatch(id);
        }
        ++cycles;
    }
    writer.join();

    // The last rewrite of every file reaches its window.
    const bool settled = post.PumpUntil([&] {
        for (const CReloadingWindow& w : windows) {
            if (w.lastRead != Contents(REWRITES - 1)) {
                return false;
            }
        }
        return true;
    });
    for (int i = 0; i < FILES; ++i) {
        EXPECT_EQ(windows[i].lastRead, Contents(REWRITES - 1)) << paths[i];
        EXPECT_GE(windows[i].notifications, 1);
        EXPECT_LE(windows[i].notifications, REWRITES);
    }
    EXPECT_TRUE(settled);
    EXPECT_EQ(watch.WatchedDirectoryCount(), 2u);

    for (FileWatchId id : steady) {
        watch.RemoveFileWatch(id);
    }
    EXPECT_FALSE(watch.WorkerRunning());
}

TEST(FileWatchStress, TheWorkerStartsAndStopsWhileAFileChanges) {
    test::CFastTempDir dir;
    const std::string path = dir.File("plc.txt");
    test::ReplaceFile(path, "x", 1000);
    test::CPumpedPost post;
    CFileWatch watch(post);
    test::CCountingWindow window;
    std::atomic<bool> writing{true};
    std::thread writer([&] {
        for (int round = 0; round < REWRITES; ++round) {
            test::ReplaceFile(path, "x", 2000 + round);
        }
        writing = false;
    });
    int starts = 0;
    while (writing || starts < 50) {
        const FileWatchId id = watch.AddFileWatch(path, &window, nullptr);
        EXPECT_NE(id, 0u);
        post.RunQueued();
        watch.RemoveFileWatch(id);
        EXPECT_FALSE(watch.WorkerRunning());
        ++starts;
    }
    writer.join();
    post.RunQueued();
}

}  // namespace
}  // namespace varno
