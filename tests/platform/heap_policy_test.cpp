#include "platform/heap_policy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace varno {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool SANITIZED = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif
#else
constexpr bool SANITIZED = false;
#endif

bool HugePagesOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    return modes.find("[madvise]") != std::string::npos ||
           modes.find("[always]") != std::string::npos;
}

// Whether the mapping that holds `address` may be backed by huge pages.
bool InHugePageMapping(const void* address) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t begin = 0;
        std::uintptr_t end = 0;
        char dash = 0;
        std::istringstream fields(line);
        if (fields >> std::hex >> begin >> dash >> end && dash == '-') {
            inside = begin <= at && at < end;
        } else if (inside && line.rfind("THPeligible:", 0) == 0) {
            return line.find('1') != std::string::npos;
        }
    }
    return false;
}

TEST(HeapPolicyDeathTest, BlocksTakenAfterStartUpLieOnHugePagesOnEveryThread) {
    if (SANITIZED || !HugePagesOnRequest()) {
        GTEST_SKIP() << "no huge pages on request, or a sanitizer's own heap";
    }
    // In a child process: the policy changes the heap for the rest of the process.
    EXPECT_EXIT(
        {
            UseLargeProjectHeap(HeapRun::Once);
            // More than any block freed before: it comes from the top of the heap, also for
            // a worker thread, which takes from the same heap in a program that runs once.
            auto takeBlock = [] {
                void* block = std::malloc(1 << 20);
                std::memset(block, 1, 1 << 20);
                const bool huge = InHugePageMapping(block);
                std::free(block);
                return huge;
            };
            bool onWorker = false;
            std::thread([&] { onWorker = takeBlock(); }).join();
            std::_Exit(takeBlock() && onWorker ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace varno
