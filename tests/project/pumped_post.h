// The test's own user-interface thread: posted tasks wait in a queue until the test pumps it,
// and notifications are counted per watch.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ui_post.h"
#include "project/file_watch.h"

namespace varno::test {

class CPumpedPost final : public IUiPost {
public:
    void Post(std::function<void()> task) override {
        std::lock_guard guard(mutex_);
        tasks_.push_back(std::move(task));
        arrived_.notify_all();
    }

    // Runs the queued tasks until done() holds or the timeout passes; true when it holds.
    bool PumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            RunQueued();
            if (done()) {
                return true;
            }
            std::unique_lock guard(mutex_);
            if (tasks_.empty() &&
                !arrived_.wait_until(guard, deadline, [&] { return !tasks_.empty(); })) {
                return done();
            }
        }
    }
    // Waits, without running anything, until a task is queued; false after the timeout.
    bool WaitQueued(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        std::unique_lock guard(mutex_);
        return arrived_.wait_for(guard, timeout, [&] { return !tasks_.empty(); });
    }
    void RunQueued() {
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard guard(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks) {
            task();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> tasks_;
};

// A window that counts what it is told.
class CCountingWindow final : public IFileWatchWindow {
public:
    void OnFileWatchNotify(FileWatchId id, const std::string& path) override {
        ++counts[id];
        paths.push_back(path);
    }
    int Count(FileWatchId id) const {
        auto it = counts.find(id);
        return it == counts.end() ? 0 : it->second;
    }

    std::map<FileWatchId, int> counts;
    std::vector<std::string> paths;
};

}  // namespace varno::test
