// The check that stands between the instruction generator and every file it feeds: a network's
// instructions are kept only when they compute what its drawing computes.
//
// The drawing's meaning: power enters every row at column 0 (the rail), runs left to right
// through lines, closed contacts and coils, and both ways along vertical lines; a point that
// nothing feeds counts as fed. A block takes the power at its head row and at its input rows as
// its control inputs and drives its output cell.
// The instructions' meaning: a stack machine in which loads and the stack forms push, AND/OR
// change the top, AND.STK/OR.STK combine the two top values, coils read the top and a block
// pops its control inputs (last input on top) and pushes its output if it has one. A load
// hides what lies below it: reading that later counts as a difference.
// Rule: taking every contact cell as an input of its own and every block output as one more,
// the value at each coil and each block input must be the same function of those inputs in
// both meanings (compared as truth tables for up to six inputs, else as reduced decision
// diagrams), and every coil and block must be
// written once. Otherwise the network gets error kind 5 at the row of the first coil or block
// that would see a different value (at the row of an instruction that reads a value the
// machine does not hold, or at the network's first row when the diagrams grow too large).
#pragma once

#include <cstddef>
#include <memory>
#include <span>

#include "compiler/error_list.h"
#include "compiler/instruction_emitter.h"
#include "compiler/ldcmd_list.h"

namespace varno {

class CLadder;

class CEmissionCheck {
public:
    CEmissionCheck();
    ~CEmissionCheck();
    CEmissionCheck(const CEmissionCheck&) = delete;
    CEmissionCheck& operator=(const CEmissionCheck&) = delete;

    // Compares out[start..] with the drawing of rows first..end-1. `trace` names the cell of
    // each element instruction in that range. Records kind 5 and returns false on a
    // difference.
    bool Check(const CLadder& ladder, int first, int end, const CLDCmdList& out, std::size_t start,
               std::span<const CEmittedNode> trace, CErrorList& errors);

private:
    struct CState;
    std::unique_ptr<CState> state_;
};

}  // namespace varno
