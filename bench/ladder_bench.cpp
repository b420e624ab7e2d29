// The ladder file and the long-program queries on a full-size project (65535 rows, the most a
// ladder file holds) and on half of it: the second size shows how the cost grows.
#include <stdlib.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/ladder_file.h"
#include "program_generator.h"

namespace varno {
namespace {

std::unique_ptr<CLadderList> Project(std::int64_t rows) {
    auto list = std::make_unique<CLadderList>();
    bench::CProjectShape shape;
    shape.rows = static_cast<int>(rows);
    bench::GenerateProject(*list, shape);
    return list;
}

std::string TempFile() {
    static std::string dir = [] {
        char pattern[] = "/tmp/ladder-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir + "/project.vld";
}

void PerRow(benchmark::State& state, std::uint64_t rows) {
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(rows),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Writes a generated project to the file and keeps it alive while the caller reads the file
// back, so that the rows read come from fresh memory one after the other, as when a project is
// opened, and not from the holes the generator's rows would leave.
struct CWrittenProject {
    explicit CWrittenProject(std::int64_t rows) : generated(Project(rows)) {
        if (!WriteProgramSet(TempFile(), *generated)) {
            std::abort();
        }
    }
    std::unique_ptr<CLadderList> generated;
};

// The project as opening it gives it.
std::unique_ptr<CLadderList> OpenedProject(std::int64_t rows) {
    CWrittenProject written(rows);
    auto back = std::make_unique<CLadderList>();
    if (!ReadProgramSet(TempFile(), *back)) {
        std::abort();
    }
    return back;
}

// The program set file read as one program file (the layout is the same): a 65535-row
// program, the longest a file can hold.
std::unique_ptr<CLadder> OneProgram(std::int64_t rows) {
    CWrittenProject written(rows);
    auto ladder = std::make_unique<CLadder>();
    std::unique_ptr<CFileArchive> ar = CFileArchive::Open(TempFile(), CFileArchive::Mode::Read);
    if (!ar || !ReadProgramFile(*ar, *ladder)) {
        std::abort();
    }
    return ladder;
}

void BM_WriteProgramSet(benchmark::State& state) {
    auto list = Project(state.range(0));
    for (auto _ : state) {
        if (!WriteProgramSet(TempFile(), *list)) {
            state.SkipWithError("write refused");
        }
    }
    PerRow(state, list->TotalRows());
}

void BM_ReadProgramSet(benchmark::State& state) {
    auto list = Project(state.range(0));
    WriteProgramSet(TempFile(), *list);
    for (auto _ : state) {
        CLadderList back;
        if (!ReadProgramSet(TempFile(), back) || back.TotalRows() != list->TotalRows()) {
            state.SkipWithError("read failed");
        }
    }
    PerRow(state, list->TotalRows());
}

// The compiler's walk: every program cut into its networks. After an edit (cold) each program's
// layout is built again on the first call; compiling again without an edit reuses it.
void WalkNetworks(benchmark::State& state, const CLadderList& list, bool cold) {
    for (auto _ : state) {
        if (cold) {
            TouchLayout();
        }
        int networks = 0;
        for (const CLadder& program : list) {
            for (int start = 0; start < program.RowCount(); start = program.NetworkEnd(start)) {
                ++networks;
            }
        }
        benchmark::DoNotOptimize(networks);
    }
    PerRow(state, list.TotalRows());
}

void BM_NetworkEndOverProject(benchmark::State& state) {
    WalkNetworks(state, *OpenedProject(state.range(0)), true);
}

void BM_NetworkEndOverProjectAgain(benchmark::State& state) {
    WalkNetworks(state, *OpenedProject(state.range(0)), false);
}

// The least any walk over every row pays: one look at each cell. On a shared machine the
// memory behind a 65535-row project no longer fits the caches the 32767-row one fits in, and
// this floor shows how much of the growth is the memory rather than the walk.
void BM_TouchEveryCell(benchmark::State& state) {
    auto list = OpenedProject(state.range(0));
    for (auto _ : state) {
        unsigned kinds = 0;
        for (const CLadder& program : *list) {
            for (const CLDRow& row : program) {
                for (int c = 0; c < 8 && !row.IsComment(); ++c) {
                    kinds += row.Cell(c)->Kind();
                }
            }
        }
        benchmark::DoNotOptimize(kinds);
    }
    PerRow(state, list->TotalRows());
}

// The same on the generator's programs, whose rows were created out of order and lie scattered
// in memory, as after long editing.
void BM_NetworkEndOverScatteredRows(benchmark::State& state) {
    WalkNetworks(state, *Project(state.range(0)), true);
}

// Locate at the last row right after an edit: the layout is rebuilt once.
void BM_LocateLastRowAfterEdit(benchmark::State& state) {
    std::unique_ptr<CLadder> ladder = OneProgram(state.range(0));
    const int last = ladder->DisplayRowCount() - 1;
    for (auto _ : state) {
        TouchLayout();
        benchmark::DoNotOptimize(ladder->Locate(last, 7));
    }
    PerRow(state, static_cast<std::uint64_t>(ladder->RowCount()));
}

// Locate at the last row again, as the view does while nothing changes.
void BM_LocateLastRow(benchmark::State& state) {
    std::unique_ptr<CLadder> ladder = OneProgram(state.range(0));
    const int last = ladder->DisplayRowCount() - 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ladder->Locate(last, 7));
    }
    PerRow(state, static_cast<std::uint64_t>(ladder->RowCount()));
}

// The machine is shared: with --benchmark_repetitions the minimum is the figure least
// disturbed by other work.
double Min(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

BENCHMARK(BM_WriteProgramSet)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_ReadProgramSet)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_TouchEveryCell)
    ->Arg(16383)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_NetworkEndOverProject)
    ->Arg(16383)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_NetworkEndOverProjectAgain)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_NetworkEndOverScatteredRows)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_LocateLastRowAfterEdit)
    ->Arg(16383)
    ->Arg(32767)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", Min);
BENCHMARK(BM_LocateLastRow)->Arg(32767)->Arg(65535)->ComputeStatistics("min", Min);

}  // namespace
}  // namespace varno
