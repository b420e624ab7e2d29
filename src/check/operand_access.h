// What a functional instruction does with each of its operands: whether it reads the address,
// writes it, or only names something (a timer, counter or edge number, a program, a label), and
// how many bytes a data operand spans. The one table behind it is keyed by the catalog's operand
// hints, so an instruction gets its operands' access from the hints the catalog gives it.
//
// Hints that write their address:   op6 result output address (MOVE, DCNV, ROTB, CODB, MOVOR,
//   DCNVB, DSCHB, ADDB, SUBB, MULB, DIVB, NUMEB, EORB, ANDB, ORB, NOTB), op15 decode target
//   (DECB), op39 transfer target (MOVB, MOVW, MOVN), op43 spindle control output (SPCNT).
// Hints that read and write it:      op23 shift data (SFT), op27 input/output data storage
//   (XMOVB), op47 counter register (CTRC).
// Hints that only name something:    op1 timer, op2 counter, op48/op49 edge numbers, op52
//   program, op53 label.
// Every other hint reads its address.
#pragma once

#include <cstdint>

#include "model/ladder_cell.h"

namespace varno {

enum class Access : std::uint8_t { None, Read, Write, ReadWrite };

inline bool Reads(Access access) {
    return access == Access::Read || access == Access::ReadWrite;
}
inline bool Writes(Access access) {
    return access == Access::Write || access == Access::ReadWrite;
}

// The access of the index-th catalog operand of an instruction; None past its operands, for an
// unknown instruction and for the CODB table items (conversion data, never addresses in use).
Access OperandAccess(int number, int index);

// Bytes from the operand's byte number on that the instruction reads or writes there: the width
// a format operand gives (units digit 1, 2 or 4) for the data operands of the instructions that
// have one, 2 for MOVW, the byte count of MOVN when it is a constant, otherwise 1.
int OperandWidth(const CLDCell& head, int index);

}  // namespace varno
