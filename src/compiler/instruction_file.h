// The instruction list file: the compiled instructions as mnemonic text for people to read.
//
// 8-bit text in the code page (GBK), every line ending in CR LF, no header or trailer. Before
// every instruction that starts a rung (a load: RD, RD.NOT, RDPT, RDNT; or a functional head
// without control inputs: END1, END2, CALLU, LBL, SP, SPE) comes the separator
// ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;%dth Rung" with the rung number counted from 1 across the file.
// An instruction line is the mnemonic padded with blanks to 11 characters, then the operand:
// the address with its bit for a basic instruction (nothing for AND.STK, OR.STK and code 0),
// the address without bit or the decimal value for an operand record, nothing for a head.
#pragma once

#include <string>

#include "compiler/ldcmd_list.h"
#include "model/ldcmd.h"

namespace varno {

// One instruction line without its line end.
std::string InstructionLine(const CLDCmd& cmd);

// Whether a separator line goes before the instruction.
bool StartsRung(const CLDCmd& cmd);

// The whole file's bytes.
std::string InstructionListText(const CLDCmdList& cmds);

// Writes the file; the previous file stays untouched unless the new one is complete. Throws
// CFileException when the file cannot be written.
void WriteInstructionList(const std::string& path, const CLDCmdList& cmds);

}  // namespace varno
