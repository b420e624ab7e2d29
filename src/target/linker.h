// The linker: turns the compiled instruction list into the one the target file holds.
//
// 1. Every edge contact (basic codes 15..22: RDPT, ANDPT, ORPT, RDPT.STK, RDNT, ANDNT, ORNT,
//    RDNT.STK) gets its own work bit for the controller to remember the previous state: a
//    hidden basic instruction, code 23, addressed W0000.0, W0000.1, ... W0000.7, W0001.0, ...
//    over the whole list, inserted directly after the contact.
// 2. Positions count from 1 over the list with those instructions. Every SP and LBL head
//    followed by an address operand is indexed by that address (letter and byte number).
// 3. The operand of every CALL and CALLU (looked up among the SP heads) and JMPB (among the
//    LBL heads) becomes a constant: the position of the first head with the same letter and
//    byte number (the bit is not compared). An operand with no such head is reported.
#pragma once

#include <cstdint>

#include "compiler/ldcmd_list.h"
#include "platform/output.h"

namespace varno {

inline constexpr std::uint8_t BASIC_EDGE_WORK_BIT = 23;
inline constexpr char WORK_BIT_LETTER = 'W';

// Links the list in place. Writes "Undefined sub procedure %s." or "Undefined label %s." for
// every operand that names nothing, in list order, and then returns false.
bool LinkInstructions(CLDCmdList& cmds, IOutput& output);

}  // namespace varno
