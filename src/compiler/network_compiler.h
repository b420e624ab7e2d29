// Compiling one network: its graph is built, its instructions emitted, and the instructions
// checked against the drawing (emission_check.h).
#pragma once

#include <vector>

#include "compiler/aov_graph.h"
#include "compiler/emission_check.h"
#include "compiler/error_list.h"
#include "compiler/instruction_emitter.h"
#include "compiler/ldcmd_list.h"

namespace varno {

class CLadder;

// The working state of one compile pass, reused from network to network.
class CNetworkCompiler {
public:
    explicit CNetworkCompiler(CErrorList& errors) : errors_(errors), graph_(errors) {}

    // Compiles the network of rows first..end-1, appending its instructions and recording its
    // errors. False when the network recorded an error of kind 1, 3 or 5.
    bool Compile(CLadder& ladder, int first, int end, CLDCmdList& out);

    // The cell and mode of every element the last network emitted, in instruction order.
    const std::vector<CEmittedNode>& Trace() const { return trace_; }

private:
    CErrorList& errors_;
    CAOVGraph graph_;
    CEmissionCheck check_;
    std::vector<CEmittedNode> trace_;
};

}  // namespace varno
