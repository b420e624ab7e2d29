#include "compiler/logic_diagram.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace varno {

namespace {

constexpr std::uint32_t TERMINAL_VAR = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t FIRST_TABLE_SIZE = 1024;
constexpr std::size_t CACHE_SIZE = 4096;

}  // namespace

CLogicDiagram::CLogicDiagram(std::size_t limit)
    : limit_(limit), table_(FIRST_TABLE_SIZE), cache_(CACHE_SIZE) {
    Reset();
}

void CLogicDiagram::Reset() {
    nodes_.clear();
    nodes_.push_back({TERMINAL_VAR, FALSE_REF, FALSE_REF});
    nodes_.push_back({TERMINAL_VAR, TRUE_REF, TRUE_REF});
    overflowed_ = false;
    if (++stamp_ == 0) {
        std::fill(table_.begin(), table_.end(), CSlot{});
        std::fill(cache_.begin(), cache_.end(), CCacheEntry{});
        stamp_ = 1;
    }
}

std::size_t CLogicDiagram::Hash(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    std::uint64_t h =
        a * 0x9E3779B97F4A7C15ull ^ b * 0xC2B2AE3D27D4EB4Full ^ c * 0x165667B19E3779F9ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

CLogicDiagram::Ref CLogicDiagram::Var(std::uint32_t index) {
    return Make(index, FALSE_REF, TRUE_REF);
}

void CLogicDiagram::GrowTable() {
    std::vector<CSlot> old(table_.size() * 2);
    old.swap(table_);
    const std::size_t mask = table_.size() - 1;
    for (const CSlot& slot : old) {
        if (slot.stamp != stamp_) {
            continue;
        }
        const CNode& n = nodes_[slot.node];
        std::size_t i = Hash(n.var, n.low, n.high) & mask;
        while (table_[i].stamp == stamp_) {
            i = (i + 1) & mask;
        }
        table_[i] = slot;
    }
}

CLogicDiagram::Ref CLogicDiagram::Make(std::uint32_t var, Ref low, Ref high) {
    if (low == high) {
        return low;
    }
    if (nodes_.size() * 2 >= table_.size()) {
        GrowTable();
    }
    const std::size_t mask = table_.size() - 1;
    for (std::size_t i = Hash(var, low, high) & mask;; i = (i + 1) & mask) {
        CSlot& slot = table_[i];
        if (slot.stamp != stamp_) {
            if (nodes_.size() >= limit_) {
                overflowed_ = true;
                return FALSE_REF;
            }
            slot = {stamp_, static_cast<Ref>(nodes_.size())};
            nodes_.push_back({var, low, high});
            return slot.node;
        }
        const CNode& n = nodes_[slot.node];
        if (n.var == var && n.low == low && n.high == high) {
            return slot.node;
        }
    }
}

CLogicDiagram::Ref CLogicDiagram::Apply(bool isOr, Ref a, Ref b) {
    const Ref absorbing = isOr ? TRUE_REF : FALSE_REF;
    const Ref neutral = isOr ? FALSE_REF : TRUE_REF;
    if (a == absorbing || b == absorbing) {
        return absorbing;
    }
    if (a == neutral || a == b) {
        return b;
    }
    if (b == neutral) {
        return a;
    }
    if (overflowed_) {
        return FALSE_REF;
    }
    if (a > b) {
        std::swap(a, b);
    }
    const Ref key = isOr ? b | 0x80000000u : b;
    CCacheEntry& entry = cache_[Hash(a, key, 7) & (cache_.size() - 1)];
    if (entry.stamp == stamp_ && entry.a == a && entry.b == key) {
        return entry.result;
    }
    const CNode na = nodes_[a];
    const CNode nb = nodes_[b];
    const std::uint32_t var = std::min(na.var, nb.var);
    const Ref aLow = na.var == var ? na.low : a;
    const Ref aHigh = na.var == var ? na.high : a;
    const Ref bLow = nb.var == var ? nb.low : b;
    const Ref bHigh = nb.var == var ? nb.high : b;
    const Ref low = Apply(isOr, aLow, bLow);
    const Ref high = Apply(isOr, aHigh, bHigh);
    const Ref result = Make(var, low, high);
    // The slot may have been taken by the recursion; it is a cache, so overwrite it.
    cache_[Hash(a, key, 7) & (cache_.size() - 1)] = {stamp_, a, key, result};
    return result;
}

}  // namespace varno
