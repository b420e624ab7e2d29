// Compiling each network shape once (network_shape.h). Ladders repeat a few shapes over and
// over, and what compiling a network gives depends on its shape and, beyond that, only on what
// its elements' own cells hold: the walk, the emission and the check never tell one contact kind
// or one coil kind from another, nor look at an address. So a network of a shape met before gets
// the errors of the first at the same rows relative to its first row, and the first one's
// instructions with every element's instructions made anew from its own cell, in the mode the
// first one's element was emitted in.
#pragma once

#include <cstdint>
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
    struct CKnownShape {
        bool compiled = false;
        std::vector<std::pair<int, int>> errors;  // row from the network's first, kind
        // Kept only by a compile for instructions.
        bool withCode = false;
        std::vector<CLDCmd> code;
        std::vector<CElement> elements;
    };

    // Appends the shape's instructions for the network at `first`; false, with nothing
    // appended, when they were not kept or an element's cell gives another number of them.
    static bool Replay(const CKnownShape& known, const CLadder& ladder, int first, CLDCmdList& out);
    void Remember(int first, const CLDCmdList* out, std::size_t start, std::size_t errorsFrom,
                  bool compiled);

    CErrorList& errors_;
    CNetworkCompiler compiler_;
    std::unordered_map<std::string, CKnownShape> known_;
    std::string shape_;
    CLDCmdList scratch_;
};

}  // namespace varno
