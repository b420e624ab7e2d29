// Boolean functions built from variables with AND and OR only, kept as reduced ordered
// decision diagrams: two functions are equal exactly when their handles are equal. The
// emission check compares what a network's instructions compute with what its drawing
// computes this way, whatever the shape of either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varno {

class CLogicDiagram {
public:
    using Ref = std::uint32_t;
    static constexpr Ref FALSE_REF = 0;
    static constexpr Ref TRUE_REF = 1;

    // At most `limit` nodes until the next Reset; past it every result is FALSE_REF and
    // Overflowed() says so.
    explicit CLogicDiagram(std::size_t limit = std::size_t{1} << 21);

    // Forgets every function; the memory stays for the next network.
    void Reset();

    // The function that is true when variable `index` is; smaller indexes are tested first.
    Ref Var(std::uint32_t index);
    Ref And(Ref a, Ref b) { return Apply(false, a, b); }
    Ref Or(Ref a, Ref b) { return Apply(true, a, b); }

    bool Overflowed() const { return overflowed_; }

private:
    struct CNode {
        std::uint32_t var;
        Ref low;
        Ref high;
    };
    struct CSlot {
        std::uint32_t stamp = 0;
        Ref node = 0;
    };
    struct CCacheEntry {
        std::uint32_t stamp = 0;
        Ref a = 0;
        Ref b = 0;
        Ref result = 0;
    };

    Ref Apply(bool isOr, Ref a, Ref b);
    Ref Make(std::uint32_t var, Ref low, Ref high);
    void GrowTable();
    static std::size_t Hash(std::uint64_t a, std::uint64_t b, std::uint64_t c);

    std::size_t limit_;
    bool overflowed_ = false;
    std::vector<CNode> nodes_;
    // Open-addressed unique table and a lossy operation cache; a stamp that is not the
    // current one marks a slot left over from an earlier network, so Reset clears nothing.
    std::vector<CSlot> table_;
    std::vector<CCacheEntry> cache_;
    std::uint32_t stamp_ = 1;
};

}  // namespace varno
