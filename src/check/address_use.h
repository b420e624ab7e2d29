// Where a project names addresses: every contact, every coil and every address operand of a
// functional instruction, in project order (programs in list order, rows top to bottom, cells
// left to right, a block's operands in catalog order), and the blocks the linker resolves (SP,
// LBL, CALL, CALLU, JMPB) with their first operand.
#pragma once

#include <cstdint>
#include <vector>

#include "check/operand_access.h"
#include "model/ladder.h"

namespace varno {

enum class UseKind : std::uint8_t { Contact, Coil, Operand };

// A cell of a program; column -1 when only the row is known.
struct CCellRef {
    std::uint32_t program = 0;  // index in the project's program list
    std::int32_t row = 0;
    std::int32_t column = 0;

    bool operator==(const CCellRef&) const = default;
};

struct CAddressUse {
    LDADDR address;
    // The cell the use is drawn in: a contact's or coil's own cell; an operand's row within its
    // block (head row + operand index) and the block's third column, as the view draws it.
    CCellRef at;
    UseKind kind = UseKind::Contact;
    std::uint8_t code = 0;     // contact or coil code; the instruction number of an operand
    std::uint8_t operand = 0;  // an operand's index, 0-based
    Access access = Access::None;
    std::uint16_t width = 1;  // bytes an operand spans from its byte number on
};

struct CLinkBlock {
    CCellRef at;  // the head
    std::uint8_t number = 0;
    CLDCmd head;     // the head as the compiler emits it
    CLDCmd operand;  // its first operand; kind 0 when it has none
};

// Appends the uses of one program (and, when `links` is given, its linked blocks).
void CollectUses(const CLadder& ladder, std::uint32_t program, std::vector<CAddressUse>& uses,
                 std::vector<CLinkBlock>* links);

}  // namespace varno
