// The check and the cross reference of whole projects, beside the compile of the same project:
// each should cost no more than the compile and grow with the rows as it does.
#include <benchmark/benchmark.h>

#include "check/cross_reference.h"
#include "check/diagnostics.h"
#include "compiler/compile.h"
#include "platform/heap_policy.h"
#include "program_generator.h"

namespace varno {
namespace {

// Measured with the heap the programs use, which keeps what one run frees for the next.
const bool HEAP_SET_UP = [] {
    UseLargeProjectHeap(HeapRun::Repeatedly);
    return true;
}();

void Generate(CLadderList& programs, benchmark::State& state) {
    bench::GenerateProject(programs, {.seed = 7, .rows = static_cast<int>(state.range(0))});
}

void PerRow(benchmark::State& state) {
    state.counters["time_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Compile(benchmark::State& state) {
    CLadderList programs;
    Generate(programs, state);
    for (auto _ : state) {
        CLDCmdList cmds;
        CErrorList errors;
        benchmark::DoNotOptimize(CompileLadderList(programs, cmds, errors));
    }
    PerRow(state);
}

void BM_Check(benchmark::State& state) {
    CLadderList programs;
    Generate(programs, state);
    std::size_t findings = 0;
    std::size_t errors = 0;
    for (auto _ : state) {
        CCheckResult result = CheckProject(programs);
        findings = result.findings.size();
        errors = result.errors;
    }
    if (errors != 0) {
        state.SkipWithError("the generated project has compile or link errors");
    }
    state.counters["findings"] = static_cast<double>(findings);
    PerRow(state);
}

void BM_CrossReference(benchmark::State& state) {
    CLadderList programs;
    Generate(programs, state);
    CCommentList comments;
    std::size_t uses = 0;
    for (auto _ : state) {
        CCrossReference xref = BuildCrossReference(programs, comments);
        uses = xref.uses.size();
    }
    state.counters["uses"] = static_cast<double>(uses);
    PerRow(state);
}

// Side by side for each size. The check compiles on every core it has, so the times are wall
// clock times and the CPU times those of the whole process.
void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(16384)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);
    b->UseRealTime()->MeasureProcessCPUTime();
}
BENCHMARK(BM_Compile)->Apply(Sizes);
BENCHMARK(BM_Check)->Apply(Sizes);
BENCHMARK(BM_CrossReference)->Apply(Sizes);

}  // namespace
}  // namespace varno
