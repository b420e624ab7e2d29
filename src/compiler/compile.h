// Compiling ladder programs into the instruction list, network by network.
//
// No network's instructions are kept unless they compute what its drawing computes: after the
// walk, each network's instructions are run on a stack machine with every contact cell and
// every block output taken as an input of its own, and the value at every coil and block input
// must equal the power the drawing gives it, as a function of those inputs (emission_check.h).
// A network that fails gets error kind 5 and fails its program.
#pragma once

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
// error list before it is compiled; stops after the first program that fails.
bool CompileLadderList(CLadderList& programs, CLDCmdList& out, CErrorList& errors);

}  // namespace varno
