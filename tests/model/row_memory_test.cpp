#include "model/row_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "model/ladder_row.h"

namespace varno {
namespace {

// A row that says which thread made it and which one it was, in both texts.
std::unique_ptr<CLDRow> Numbered(int thread, int index) {
    const std::string text = std::to_string(thread) + ":" + std::to_string(index);
    return std::make_unique<CLDRow>(text, text);
}

TEST(RowMemory, RowsFromManyThreadsAreDistinctAlignedAndKeepTheirContents) {
    constexpr int THREADS = 4;
    constexpr int ROWS = 20000;  // several slabs a thread
    std::vector<std::vector<std::unique_ptr<CLDRow>>> made(THREADS);
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < THREADS; ++t) {
            threads.emplace_back([t, &rows = made[static_cast<std::size_t>(t)]] {
                for (int i = 0; i < ROWS; ++i) {
                    rows.push_back(Numbered(t, i));
                }
            });
        }
    }
    // The threads have ended; their rows live on and are all different memory.
    std::set<const CLDRow*> seen;
    for (int t = 0; t < THREADS; ++t) {
        for (int i = 0; i < ROWS; ++i) {
            const CLDRow& row = *made[static_cast<std::size_t>(t)][static_cast<std::size_t>(i)];
            ASSERT_EQ(reinterpret_cast<std::uintptr_t>(&row) % alignof(CLDRow), 0u);
            ASSERT_EQ(row.Comment(2), std::to_string(t) + ":" + std::to_string(i));
            ASSERT_TRUE(seen.insert(&row).second);
        }
    }

    // Freed blocks are used again, and a row made in a freed block is a row like any other.
    const CLDRow* freed = made[1][7].get();
    made[1][7].reset();
    auto again = std::make_unique<CLDRow>();
    if (VARNO_ROW_MEMORY_POOLED) {
        EXPECT_EQ(again.get(), freed);
    }
    EXPECT_TRUE(again->IsEmpty());
    EXPECT_EQ(made[1][8]->Comment(1), "1:8");
}

}  // namespace
}  // namespace varno
