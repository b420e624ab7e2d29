#include "compiler/network_compiler.h"

#include "compiler/network_builder.h"

namespace varno {

bool CNetworkCompiler::Compile(CLadder& ladder, int first, int end, CLDCmdList& out) {
    graph_.Reset();
    trace_.clear();
    const std::size_t start = out.GetCount();
    // A network whose instructions would compute something other than its drawing is refused
    // here, even when the walk itself found nothing wrong.
    return BuildNetwork(graph_, ladder, first, end) && EmitNetwork(graph_, out, &trace_) &&
           check_.Check(ladder, first, end, out, start, trace_, errors_);
}

}  // namespace varno
