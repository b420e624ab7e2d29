// The steps between building a network's graph and walking it: merging junctions, the
// structure checks, and marking the junctions where branches split off towards outputs.
#pragma once

#include "compiler/aov_graph.h"

namespace varno {

// Merges Q into P: the links between them go, Q's other links are re-pointed to P, and Q is
// removed. A re-pointed link that would join P to itself is dropped.
void MergeJunction(CAOVGraph& graph, CAOVNode* p, CAOVNode* q);

// Collapses a vertical line spanning several rows into one junction (pass 1), then junctions
// joined by plain wire where either side has no other connection (pass 2). Degrees are
// recomputed before, between and after the passes.
void MergeJunctions(CAOVGraph& graph);

// Records at most one error of kind 2, 6 or 7 in the graph's error list. These errors do not
// stop the network from being emitted.
void CheckStructure(CAOVGraph& graph);

// With more than one output in the network, flags every junction (but the rail) from which
// some branches lead only through elements to outputs, and counts those branches.
void MarkOutputBranches(CAOVGraph& graph);

}  // namespace varno
