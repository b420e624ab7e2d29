// A large, realistic program set for benchmarks: rungs of contacts, coils and branches, timer,
// counter and CODB blocks, and comment rows, spread over LEVEL1, LEVEL2 and four subprograms.
#pragma once

#include <memory>

#include "model/ladder_list.h"

namespace varno::bench {

// A project with exactly totalRows rows (at least 64).
std::unique_ptr<CLadderList> MakeLargeProgramSet(int totalRows);

}  // namespace varno::bench
