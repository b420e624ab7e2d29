// Parsing and formatting addresses: the inner loop of dialogs, batch edit and file import.
#include <benchmark/benchmark.h>

#include "model/address.h"
#include "model/catalog.h"

namespace varno {
namespace {

void BM_ParseOperand(benchmark::State& state) {
    const char* texts[] = {"X0010.3", "R9127", "12345", "G32000.7"};
    CLDCmd cmd;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseOperand(texts[i++ & 3], cmd));
    }
}
BENCHMARK(BM_ParseOperand);

void BM_FormatInstruction(benchmark::State& state) {
    const CLDCmd cmd = CLDCmd::Basic(BASIC_AND_NOT, 'R', 1234, 5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatInstruction(cmd));
    }
}
BENCHMARK(BM_FormatInstruction);

}  // namespace
}  // namespace varno
