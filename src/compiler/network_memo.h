// Compiling each network shape once (network_shape.h). Ladders repeat a few shapes over and
// over, and what compiling a network gives depends on its shape and, beyond that, only on what
// its elements' own cells hold: the walk, the emission and the check never tell one contact kind
// or one coil kind from another, nor look at an address. So a network of a shape met before gets
// the errors of the first at the same rows relative to its first row, and the first one's
// instructions with every element's instructions made anew from its own cell, in the mode the
// first one's element was emitted in.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "compiler/network_compiler.h"

namespace varno {

class CMemoCompiler {
public:
    explicit CMemoCompiler(CErrorList& errors) : errors_(errors), compiler_(errors) {}

    // Compiles rows [first, end) as CNetworkCompiler::Compile does; with no list, for the errors
    // alone.
    bool Compile(CLadder& ladder, int first, int end, CLDCmdList* out);

private:
    // Where an element's instructions are in the first network's, and its cell.
    struct CElement {
        std::size_t index;
        std::size_t count;
        int row;  // from the network's first row
        int column;
        int mode;
    };
    // A run of one of the lists below.
    struct CRun {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    struct CKnownShape {
        bool compiled = false;
        CRun errors;
        // Kept only by a compile for instructions.
        bool withCode = false;
        CRun code;
        CRun elements;
    };

    // Appends the shape's instructions for the network at `first`; false, with nothing
    // appended, when they were not kept or an element's cell gives another number of them.
    bool Replay(const CKnownShape& known, const CLadder& ladder, int first, CLDCmdList& out) const;
    void Remember(int first, const CLDCmdList* out, std::size_t start, std::size_t errorsFrom,
                  bool compiled);

    CErrorList& errors_;
    CNetworkCompiler compiler_;
    // What the shapes give, in lists of their own, and the table of shapes in memory of its
    // own that is only given back as a whole: compilers run side by side, and thousands of
    // small blocks each from the common heap would have them wait for one another.
    std::vector<CLDCmd> code_;
    std::vector<CElement> elements_;
    std::vector<std::pair<int, int>> errorRows_;  // row from the network's first, kind
    std::pmr::monotonic_buffer_resource tableMemory_;
    std::pmr::unordered_map<std::pmr::string, CKnownShape> known_{&tableMemory_};
    std::pmr::string shape_;
    CLDCmdList scratch_;
};

}  // namespace varno
