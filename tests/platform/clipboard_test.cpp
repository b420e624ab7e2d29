#include "platform/clipboard.h"

#include <gtest/gtest.h>

namespace varno {
namespace {

TEST(MemoryClipboard, HoldsOneBlockAndCanBeHeldByAnother) {
    CMemoryClipboard clipboard;
    EXPECT_FALSE(clipboard.HasFormat("A"));
    EXPECT_FALSE(clipboard.GetData("A"));
    ASSERT_TRUE(clipboard.SetData("A", {1, 2}));
    EXPECT_TRUE(clipboard.HasFormat("A"));
    EXPECT_EQ(*clipboard.GetData("A"), (std::vector<std::uint8_t>{1, 2}));
    // Setting data empties the clipboard first.
    ASSERT_TRUE(clipboard.SetData("B", {3}));
    EXPECT_FALSE(clipboard.HasFormat("A"));

    clipboard.SetLocked(true);
    EXPECT_FALSE(clipboard.SetData("A", {4}));
    EXPECT_FALSE(clipboard.GetData("B"));
    clipboard.SetLocked(false);
    EXPECT_EQ(*clipboard.GetData("B"), (std::vector<std::uint8_t>{3}));
}

}  // namespace
}  // namespace varno
