#include "platform/linked_list.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace varno {
namespace {

struct CCounted {
    CCounted(std::string n, int* counter) : name(std::move(n)), live(counter) { ++*live; }
    ~CCounted() { --*live; }
    std::string name;
    int* live;
};

std::string Names(const CLinkedList<CCounted>& list) {
    std::string s;
    for (const CCounted& c : list) {
        s += c.name;
    }
    return s;
}

TEST(LinkedList, InsertClampsToTheEndAndKeepsOrder) {
    int live = 0;
    CLinkedList<CCounted> list;
    list.InsertAt(5, std::make_unique<CCounted>("b", &live));
    list.InsertAt(0, std::make_unique<CCounted>("a", &live));
    list.AddTail(std::make_unique<CCounted>("d", &live));
    list.InsertAt(2, std::make_unique<CCounted>("c", &live));
    EXPECT_EQ(Names(list), "abcd");
    EXPECT_EQ(list.GetCount(), 4u);
    EXPECT_EQ(list.GetAt(3)->name, "d");
    EXPECT_EQ(list.GetAt(4), nullptr);
    EXPECT_EQ(list.IndexOf(list.GetAt(2)), 2u);
    EXPECT_EQ(list.IndexOf(nullptr), 4u);
}

TEST(LinkedList, OwnsItsElements) {
    int live = 0;
    {
        CLinkedList<CCounted> list;
        for (const char* n : {"a", "b", "c"}) {
            list.AddTail(std::make_unique<CCounted>(n, &live));
        }
        EXPECT_TRUE(list.RemoveAt(1));
        EXPECT_FALSE(list.RemoveAt(7));
        EXPECT_EQ(live, 2);
        std::unique_ptr<CCounted> taken = list.TakeAt(0);
        EXPECT_EQ(taken->name, "a");
        EXPECT_EQ(Names(list), "c");
        EXPECT_EQ(live, 2);
        CLinkedList<CCounted> moved = std::move(list);
        EXPECT_EQ(Names(moved), "c");
    }
    EXPECT_EQ(live, 0);
}

TEST(LinkedList, VersionMovesWithEveryLinkAndUnlink) {
    int live = 0;
    CLinkedList<CCounted> list;
    std::uint64_t seen = list.Version();
    auto changed = [&] {
        bool moved = list.Version() != seen;
        seen = list.Version();
        return moved;
    };
    list.AddTail(std::make_unique<CCounted>("a", &live));
    EXPECT_TRUE(changed());
    list.InsertAt(0, std::make_unique<CCounted>("b", &live));
    EXPECT_TRUE(changed());
    EXPECT_NE(list.GetAt(1), nullptr);
    EXPECT_FALSE(changed());
    EXPECT_FALSE(list.RemoveAt(9));
    EXPECT_FALSE(changed());
    list.TakeAt(0);
    EXPECT_TRUE(changed());
    list.RemoveAll();
    EXPECT_TRUE(changed());
    CLinkedList<CCounted> other;
    other.AddTail(std::make_unique<CCounted>("c", &live));
    list = std::move(other);
    EXPECT_TRUE(changed());
}

TEST(LinkedList, RangesAreLinkedAndUnlinkedInOneMove) {
    int live = 0;
    CLinkedList<CCounted> list;
    list.AddTail(std::make_unique<CCounted>("a", &live));
    list.AddTail(std::make_unique<CCounted>("d", &live));
    std::vector<std::unique_ptr<CCounted>> items;
    items.push_back(std::make_unique<CCounted>("b", &live));
    items.push_back(std::make_unique<CCounted>("c", &live));
    const std::uint64_t before = list.Version();
    list.InsertRange(1, std::move(items));
    EXPECT_EQ(Names(list), "abcd");
    EXPECT_NE(list.Version(), before);
    items.push_back(std::make_unique<CCounted>("e", &live));
    list.InsertRange(99, std::move(items));  // past the end: appended
    EXPECT_EQ(Names(list), "abcde");

    EXPECT_EQ(list.RemoveRange(1, 2), 2u);
    EXPECT_EQ(Names(list), "ade");
    EXPECT_EQ(list.RemoveRange(2, 10), 1u);  // cut at the end
    EXPECT_EQ(list.RemoveRange(5, 1), 0u);
    EXPECT_EQ(Names(list), "ad");
    EXPECT_EQ(live, 2);
}

}  // namespace
}  // namespace varno

namespace varno {
namespace {

// The list keeps its elements in rings of a few hundred; edits across ring boundaries, single
// and in ranges of every size, must keep the order a plain vector keeps.
TEST(LinkedList, LongListsFollowAPlainVector) {
    int live = 0;
    CLinkedList<CCounted> list;
    std::vector<std::string> model;
    std::mt19937 rng(5);
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % (n + 1)); };
    int next = 0;
    auto make = [&] { return std::to_string(next++); };
    for (int step = 0; step < 3000; ++step) {
        const std::size_t at = pick(model.size());
        switch (rng() % 5) {
            case 0:
            case 1: {
                std::string name = make();
                list.InsertAt(at, std::make_unique<CCounted>(name, &live));
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), name);
                break;
            }
            case 2: {
                std::vector<std::unique_ptr<CCounted>> items;
                const std::size_t n = rng() % 3 == 0 ? rng() % 700 : rng() % 4;
                for (std::size_t k = 0; k < n; ++k) {
                    std::string name = make();
                    model.insert(model.begin() + static_cast<std::ptrdiff_t>(at + k), name);
                    items.push_back(std::make_unique<CCounted>(name, &live));
                }
                list.InsertRange(at, std::move(items));
                break;
            }
            case 3: {
                const std::size_t n = rng() % 4 == 0 ? rng() % 600 : rng() % 3;
                const std::size_t gone = list.RemoveRange(at, n);
                ASSERT_EQ(gone, at < model.size() ? std::min(n, model.size() - at) : 0u);
                model.erase(
                    model.begin() + static_cast<std::ptrdiff_t>(std::min(at, model.size())),
                    model.begin() + static_cast<std::ptrdiff_t>(std::min(at + gone, model.size())));
                break;
            }
            default:
                if (at < model.size()) {
                    ASSERT_EQ(list.TakeAt(at)->name, model[at]);
                    model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
                }
                break;
        }
        ASSERT_EQ(list.GetCount(), model.size());
        ASSERT_EQ(live, static_cast<int>(model.size()));
        if (step % 50 == 0 || model.size() < 600) {
            std::size_t i = 0;
            for (const CCounted& c : list) {
                ASSERT_EQ(c.name, model[i]) << "step " << step << " index " << i;
                ASSERT_EQ(list.GetAt(i), &c);
                ++i;
            }
            ASSERT_EQ(i, model.size());
        }
    }
    list.RemoveAll();
    EXPECT_EQ(live, 0);
}

}  // namespace
}  // namespace varno
