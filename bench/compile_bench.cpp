// Compiling whole projects, and the worst networks a user can draw: 1,000 rows joined by
// vertical lines.
#include <benchmark/benchmark.h>

#include "compiler/compile.h"
#include "compiler/instruction_file.h"
#include "model/catalog.h"
#include "program_generator.h"

namespace varno {
namespace {

// Compiles the programs once and stops the benchmark if anything was reported.
bool CompilesCleanly(CLadderList& programs, benchmark::State& state) {
    CLDCmdList cmds;
    CErrorList errors;
    if (!CompileLadderList(programs, cmds, errors) || !errors.IsEmpty()) {
        state.SkipWithError("the generated project does not compile cleanly");
        return false;
    }
    return true;
}

void BM_CompileProject(benchmark::State& state) {
    CLadderList programs;
    bench::GenerateProject(programs, {.seed = 7, .rows = static_cast<int>(state.range(0))});
    if (!CompilesCleanly(programs, state)) {
        return;
    }
    std::size_t instructions = 0;
    for (auto _ : state) {
        CLDCmdList cmds;
        CErrorList errors;
        benchmark::DoNotOptimize(CompileLadderList(programs, cmds, errors));
        instructions = cmds.GetCount();
    }
    state.counters["instructions"] = static_cast<double>(instructions);
    state.counters["time_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompileProject)->Arg(16384)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);

void BM_InstructionListText(benchmark::State& state) {
    CLadderList programs;
    bench::GenerateProject(programs, {.seed = 7, .rows = 65535});
    CLDCmdList cmds;
    CErrorList errors;
    CompileLadderList(programs, cmds, errors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(InstructionListText(cmds));
    }
    state.counters["instructions"] = static_cast<double>(cmds.GetCount());
}
BENCHMARK(BM_InstructionListText)->Unit(benchmark::kMillisecond);

CLDCell Basic(std::uint8_t code, char letter, int index) {
    return CLDCell(CLDCmd::Basic(code, static_cast<std::uint8_t>(letter),
                                 static_cast<std::uint16_t>(index / 8),
                                 static_cast<std::int8_t>(index % 8)));
}

// One network of `rows` rows, every row joined to the one above:
//   0: parallel branches of six contacts each, joined before the coil of row 0;
//   1: one contact feeding a coil on every row through a vertical line down column 1;
//   2: six contacts and a coil on every row, every cell of columns 1..6 joined to the row
//      above: a mesh whose junctions all merge.
std::unique_ptr<CLadder> JoinedNetwork(int shape, int rows) {
    auto ladder = std::make_unique<CLadder>();
    for (int r = 0; r < rows; ++r) {
        ladder->InsertRow(r);
        const bool contacts = shape != 1 || r == 0;
        const int count = shape == 1 ? 1 : 6;
        for (int c = 0; contacts && c < count; ++c) {
            ladder->PutElement(r, c, Basic(BASIC_RD, 'R', r * 6 + c));
        }
        if (shape == 0 && r > 0) {
            ladder->SetVLine(r, count);
            continue;
        }
        ladder->FillLine(r, count, 6);
        ladder->PutElement(r, 7, Basic(BASIC_WRT, 'Y', r % 1024));
        if (shape == 1 && r > 0) {
            ladder->SetVLine(r, 1);
        }
        for (int c = 1; shape == 2 && r > 0 && c < 7; ++c) {
            ladder->SetVLine(r, c);
        }
    }
    return ladder;
}

void BM_JoinedNetwork(benchmark::State& state) {
    auto ladder = JoinedNetwork(static_cast<int>(state.range(0)), 1000);
    if (ladder->NetworkEnd(0) != 1000) {
        state.SkipWithError("the rows do not form one network");
        return;
    }
    std::size_t instructions = 0;
    std::size_t errors = 0;
    for (auto _ : state) {
        CLDCmdList cmds;
        CErrorList errorList;
        CompileLadder(*ladder, cmds, errorList);
        instructions = cmds.GetCount();
        errors = errorList.GetCount();
    }
    state.counters["instructions"] = static_cast<double>(instructions);
    state.counters["errors"] = static_cast<double>(errors);
}
BENCHMARK(BM_JoinedNetwork)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varno
