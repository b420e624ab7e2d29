// The branch stack of the instruction generator: where each open branch started and where it
// will be closed.
#pragma once

#include <cstddef>
#include <vector>

namespace varno {

class CAOVNode;

struct CBranch {
    CAOVNode* node = nullptr;    // where the branch opens
    CAOVNode* target = nullptr;  // where it will be closed; null for a branch ending in outputs
    // Pushed or retargeted by the chain being emitted, and no closing instruction considered
    // for it yet.
    bool fresh = true;
};

// Used as a stack: push appends, the top is the last entry.
class CBranchList {
public:
    void Push(const CBranch& branch) { items_.push_back(branch); }
    void Pop() { items_.pop_back(); }
    bool IsEmpty() const { return items_.empty(); }
    std::size_t GetCount() const { return items_.size(); }
    CBranch& operator[](std::size_t index) { return items_[index]; }
    CBranch& Top() { return items_.back(); }
    void RemoveAll() { items_.clear(); }

private:
    std::vector<CBranch> items_;
};

}  // namespace varno
