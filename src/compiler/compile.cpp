#include "compiler/compile.h"

#include <cstdint>
#include <vector>

#include "compiler/aov_graph.h"
#include "compiler/emission_check.h"
#include "compiler/instruction_emitter.h"
#include "compiler/network_builder.h"
#include "model/ladder.h"
#include "model/ladder_list.h"

namespace varno {

bool CompileLadder(CLadder& ladder, CLDCmdList& out, CErrorList& errors) {
    CAOVGraph graph(errors);
    CEmissionCheck check;
    std::vector<CEmittedNode> trace;
    bool result = true;
    const int rows = ladder.RowCount();
    for (int first = 0; first < rows;) {
        int end = ladder.NetworkEnd(first);
        graph.Reset();
        trace.clear();
        const std::size_t start = out.GetCount();
        // A network whose instructions would compute something other than its drawing is
        // refused here, even when the walk itself found nothing wrong.
        if (!BuildNetwork(graph, ladder, first, end) || !EmitNetwork(graph, out, &trace) ||
            !check.Check(ladder, first, end, out, start, trace, errors)) {
            result = false;
        }
        first = end;
    }
    return result;
}

bool CompileLadderList(CLadderList& programs, CLDCmdList& out, CErrorList& errors) {
    // Programs average two to three instructions a row; growing a list of a few hundred
    // thousand instructions step by step costs more than the compile itself.
    constexpr std::uint64_t INSTRUCTIONS_PER_ROW = 3;
    out.Reserve(out.GetCount() + programs.TotalRows() * INSTRUCTIONS_PER_ROW);
    for (CLadder& ladder : programs) {
        errors.SetProgramName(ladder.Name());
        if (!CompileLadder(ladder, out, errors)) {
            return false;
        }
    }
    return true;
}

}  // namespace varno
