// Walks a built network graph in topological order from the rail and appends the network's
// stack-machine instructions.
#pragma once

#include <cstddef>
#include <vector>

#include "compiler/aov_graph.h"
#include "compiler/ldcmd_list.h"

namespace varno {

// Emission modes of a contact: load, and, stack (a new sub-expression), or.
enum EmitMode : int { EMIT_LOAD = 0, EMIT_AND = 1, EMIT_STACK = 2, EMIT_OR = 3 };

// The code a contact is emitted with in a mode; coils and other codes stay as they are.
std::uint8_t ContactCode(std::uint8_t cellCode, int mode);

// The instructions of one element: a basic instruction, or a functional head followed by its
// operand records.
void EmitElement(const CLDCell& cell, int mode, CLDCmdList& out);

// The cell an element instruction came from, and the mode it was emitted in: out[index] is its
// first instruction.
struct CEmittedNode {
    std::size_t index;
    int row;
    int column;
    int mode;
};

// Appends the instructions of the network in the graph. Returns false after recording an
// output error (kind 3) or a reverse-flow error (kind 5); what was appended before stays.
bool EmitNetwork(CAOVGraph& graph, CLDCmdList& out);
// The same, also appending to `trace` the cell of every element emitted.
bool EmitNetwork(CAOVGraph& graph, CLDCmdList& out, std::vector<CEmittedNode>* trace);

}  // namespace varno
