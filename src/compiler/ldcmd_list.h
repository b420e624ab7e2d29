// CLDCmdList: the compiled instructions of every network of every program, in compile order.
// The compiler only appends; the instruction list file and the target file read it.
#pragma once

#include <cstddef>
#include <vector>

#include "model/ldcmd.h"

namespace varno {

class CLDCmdList {
public:
    void Add(const CLDCmd& cmd) { cmds_.push_back(cmd); }
    void Append(const CLDCmdList& other) {
        cmds_.insert(cmds_.end(), other.cmds_.begin(), other.cmds_.end());
    }
    // Room for `count` instructions in all, so that a long compile does not keep moving the list.
    void Reserve(std::size_t count) { cmds_.reserve(count); }
    // Empties the list and keeps its room.
    void Clear() { cmds_.clear(); }
    std::size_t GetCount() const { return cmds_.size(); }
    bool IsEmpty() const { return cmds_.empty(); }
    const CLDCmd& operator[](std::size_t index) const { return cmds_[index]; }

    // The instructions themselves, for the linker, which inserts and rewrites in place.
    std::vector<CLDCmd>& Items() { return cmds_; }
    const std::vector<CLDCmd>& Items() const { return cmds_; }

    auto begin() const { return cmds_.begin(); }
    auto end() const { return cmds_.end(); }

private:
    std::vector<CLDCmd> cmds_;
};

}  // namespace varno
