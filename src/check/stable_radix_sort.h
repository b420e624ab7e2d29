// A stable sort by an unsigned key in time linear in the number of items: the lists of a large
// project (every use of every address, every finding) keep their project order within equal
// keys and cost no more than a pass over them each.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace varno {

template <class T, class KeyFn>
void StableRadixSort(std::vector<T>& items, KeyFn key) {
    // Digits of at most 14 bits, as few passes as the largest key needs; short lists take
    // narrower digits, so that clearing the counts does not cost more than moving the items.
    constexpr int MIN_DIGIT_BITS = 8;
    constexpr int MAX_DIGIT_BITS = 14;
    if (items.size() < 2) {
        return;
    }
    const int digitLimit =
        std::clamp(static_cast<int>(std::bit_width(items.size())), MIN_DIGIT_BITS, MAX_DIGIT_BITS);
    std::vector<std::uint64_t> keys(items.size());
    std::uint64_t highest = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        keys[i] = key(items[i]);
        highest = std::max(highest, keys[i]);
    }
    const int width = std::bit_width(highest);
    const int passes = (width + digitLimit - 1) / digitLimit;
    if (passes == 0) {
        return;
    }
    const int digitBits = (width + passes - 1) / passes;
    const std::uint64_t mask = (std::uint64_t{1} << digitBits) - 1;
    std::vector<std::size_t> start(std::size_t{1} << digitBits);
    std::vector<T> sorted(items.size());
    std::vector<std::uint64_t> sortedKeys(items.size());
    for (int pass = 0; pass < passes; ++pass) {
        const int shift = pass * digitBits;
        std::fill(start.begin(), start.end(), 0);
        for (std::uint64_t k : keys) {
            ++start[(k >> shift) & mask];
        }
        std::size_t sum = 0;
        for (std::size_t& count : start) {
            sum += std::exchange(count, sum);
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::size_t to = start[(keys[i] >> shift) & mask]++;
            sorted[to] = std::move(items[i]);
            sortedKeys[to] = keys[i];
        }
        items.swap(sorted);
        keys.swap(sortedKeys);
    }
}

}  // namespace varno
