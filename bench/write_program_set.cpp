// Writes a generated project's program set file, for timing the command-line tool on large
// projects: write_program_set FILE ROWS [SEED].
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/ladder_file.h"
#include "program_generator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_program_set FILE ROWS [SEED]\n");
        return 2;
    }
    const int rows = std::atoi(argv[2]);
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::atoi(argv[3]) : 7);
    if (rows < 8 || rows > 65535) {
        std::fprintf(stderr, "ROWS must be 8..65535\n");
        return 2;
    }
    varno::CLadderList programs;
    varno::bench::GenerateProject(programs, {.seed = seed, .rows = rows});
    if (!varno::WriteProgramSet(argv[1], programs)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
