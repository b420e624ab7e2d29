// Generate ROM on the largest project the target file can hold (as close to 65,536 linked
// instructions as the generated programs come) and on one of half its rows, against the
// compile alone. The run writes plc.pro and the target file to a temporary folder.
#include <stdlib.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "compiler/compile.h"
#include "params/param_doc.h"
#include "program_generator.h"
#include "support/quiet_services.h"
#include "target/generate_rom.h"
#include "target/linker.h"
#include "target/target_reader.h"
#include "target/target_writer.h"

namespace varno {
namespace {

struct CProject {
    CLadderList programs;
    CCommentList comments;
    CVersionArray versions;
};

std::unique_ptr<CProject> Project(int rows) {
    auto project = std::make_unique<CProject>();
    bench::GenerateProject(project->programs, {.seed = 7, .rows = rows});
    return project;
}

// Linked instructions of the project, the end instruction included; 0 when it does not
// compile or link.
std::size_t LinkedCount(int rows) {
    auto project = Project(rows);
    CLDCmdList cmds;
    CErrorList errors;
    if (!CompileLadderList(project->programs, cmds, errors)) {
        return 0;
    }
    cmds.Add(CLDCmd{});
    test::CNullOutput output;
    return LinkInstructions(cmds, output) ? cmds.GetCount() : 0;
}

// The most rows whose project still fits the 16-bit instruction index.
int LargestRows() {
    static const int rows = [] {
        int low = 64;
        int high = static_cast<int>(TARGET_MAX_ROWS);
        while (low < high) {
            const int mid = low + (high - low + 1) / 2;
            const std::size_t count = LinkedCount(mid);
            if (count != 0 && count <= TARGET_MAX_INSTRUCTIONS) {
                low = mid;
            } else {
                high = mid - 1;
            }
        }
        return low;
    }();
    return rows;
}

int RowsFor(const benchmark::State& state) {
    return state.range(0) == 1 ? LargestRows() : LargestRows() / 2;
}

std::string Folder() {
    static std::string dir = [] {
        char pattern[] = "/tmp/target-bench-XXXXXX";
        std::string made = mkdtemp(pattern);
        CParamDoc params;
        params.Save(made + "/P.par");
        return made;
    }();
    return dir;
}

void Counters(benchmark::State& state, int rows, std::size_t instructions) {
    state.counters["rows"] = rows;
    state.counters["instructions"] = static_cast<double>(instructions);
}

// Arg 1: the largest project; arg 2: half its rows.
void BM_CompileAlone(benchmark::State& state) {
    const int rows = RowsFor(state);
    auto project = Project(rows);
    std::size_t instructions = 0;
    for (auto _ : state) {
        CLDCmdList cmds;
        CErrorList errors;
        benchmark::DoNotOptimize(CompileLadderList(project->programs, cmds, errors));
        instructions = cmds.GetCount();
    }
    Counters(state, rows, instructions);
}
BENCHMARK(BM_CompileAlone)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_GenerateRom(benchmark::State& state) {
    const int rows = RowsFor(state);
    auto project = Project(rows);
    CRomBuild build;
    build.programs = &project->programs;
    build.comments = &project->comments;
    build.versions = &project->versions;
    build.paramPath = Folder() + "/P.par";
    build.compiledCommentPath = Folder() + "/plc.pro";
    build.targetPath = Folder() + "/DST.PLC";
    test::CNullOutput output;
    test::CSilentMessages messages;
    for (auto _ : state) {
        if (RunGenerateRom(build, output, messages).result != RomResult::Generated) {
            state.SkipWithError("the project did not build");
            return;
        }
    }
    Counters(state, rows, LinkedCount(rows));
    state.counters["file_bytes"] =
        static_cast<double>(std::filesystem::file_size(build.targetPath));
}
BENCHMARK(BM_GenerateRom)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The target file's ladder section, which Generate ROM makes beside the compile.
void BM_LadderImage(benchmark::State& state) {
    const int rows = RowsFor(state);
    auto project = Project(rows);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeLadderImage(project->programs));
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_LadderImage)->Arg(1)->Unit(benchmark::kMicrosecond);

// Linking alone, on a copy of the compiled list made outside the timing, the end instruction
// appended to it as Generate ROM does.
void BM_Link(benchmark::State& state) {
    const int rows = RowsFor(state);
    auto project = Project(rows);
    CLDCmdList compiled;
    CErrorList errors;
    CompileLadderList(project->programs, compiled, errors);
    test::CNullOutput output;
    for (auto _ : state) {
        state.PauseTiming();
        CLDCmdList cmds = compiled;
        cmds.Add(CLDCmd{});
        state.ResumeTiming();
        benchmark::DoNotOptimize(LinkInstructions(cmds, output));
    }
    Counters(state, rows, compiled.GetCount() + 1);
}
BENCHMARK(BM_Link)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varno
