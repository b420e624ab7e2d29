// Large, valid ladder projects for benchmarks, built deterministically from a seed.
#pragma once

#include <cstdint>

#include "model/ladder_list.h"

namespace varno::bench {

struct CProjectShape {
    std::uint32_t seed = 1;
    int rows = 10000;      // rows of all programs together; at least 8 per program
    int subprograms = 16;  // P0001 .. P<subprograms>
};

// Replaces the list's programs by LEVEL1, LEVEL2 and the subprograms, with exactly shape.rows
// rows in all; the same shape always gives the same programs. Every program compiles without
// any error. The networks use every contact and coil kind and every functional block, parallel
// and nested branches, several outputs after a branch, rows starting with empty cells and
// comment rows. LEVEL1 and LEVEL2 end with END1 and END2, each subprogram is framed by SP and
// SPE, CALL and CALLU name existing subprograms (never their own or an earlier one), and every
// JMPB names a label defined once in the project.
void GenerateProject(CLadderList& programs, const CProjectShape& shape);

}  // namespace varno::bench
