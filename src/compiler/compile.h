// Compiling ladder programs into the instruction list, network by network.
//
// No network's instructions are kept unless they compute what its drawing computes: after the
// walk, each network's instructions are run on a stack machine with every contact cell and
// every block output taken as an input of its own, and the value at every coil and block input
// must equal the power the drawing gives it, as a function of those inputs (emission_check.h).
// A network that fails gets error kind 5 and fails its program.
#pragma once

#include <cstddef>
#include <functional>

#include "compiler/error_list.h"
#include "compiler/ldcmd_list.h"

namespace varno {

class CLadder;
class CLadderList;

// Compiles every network of the program, appending its instructions and errors. A network that
// fails does not stop the others, so one run can find several errors in a program. True when
// no network recorded an error of kind 1, 3 or 5.
bool CompileLadder(CLadder& ladder, CLDCmdList& out, CErrorList& errors);

// Compiles the programs in list order into one instruction list, naming each program in the
// error list before it is compiled; stops after the first program that fails. A large list is
// compiled in chunks on several threads, each network shape once a thread (network_memo.h);
// the list and errors are those of one pass with CompileLadder.
bool CompileLadderList(CLadderList& programs, CLDCmdList& out, CErrorList& errors);

// A run of whole networks that has just been compiled: rows [first, end) of a program.
struct CCompiledChunk {
    std::size_t index = 0;  // chunks are numbered in program order, then row order
    std::size_t program = 0;
    const CLadder& ladder;  // the program
    int first = 0;
    int end = 0;
    const CErrorList& errors;  // this chunk's errors only, named after its program
};

// Compiles every program, each on its own (a program that fails does not stop the next), for
// what the compiler finds rather than for the instructions, which are dropped. The networks are
// shared out in chunks over the cores; `prepare` learns how many chunks there are before any is
// compiled, and `compiled` is called for each chunk on the thread that compiled it, while its
// rows are still at hand. Different chunks may be reported at the same time. Each network
// shape is compiled once a thread (network_memo.h).
void CompileEachProgram(CLadderList& programs, const std::function<void(std::size_t)>& prepare,
                        const std::function<void(const CCompiledChunk&)>& compiled);

}  // namespace varno
