// Builds the graph of one network: nodes for its elements and junctions, the links along the
// rows and down the vertical lines, the connection check, the rail, the junction merges, the
// structure checks and the output-branch marks.
#pragma once

#include "compiler/aov_graph.h"

namespace varno {

class CLadder;

// Fills the (reset) graph from rows [first, end) of the ladder and records each cell's nodes in
// the graph's cell-node table. Returns false after recording a connect error (kind 1); the
// structure errors (kinds 2, 6, 7) are recorded without failing.
bool BuildNetwork(CAOVGraph& graph, CLadder& ladder, int first, int end);

}  // namespace varno
