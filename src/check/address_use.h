// Where a project names addresses: every contact, every coil and every address operand of a
// functional instruction, in project order (programs in list order, rows top to bottom, cells
// left to right, a block's operands in catalog order), and the blocks the linker resolves (SP,
// LBL, CALL, CALLU, JMPB) with their first operand.
#pragma once

#include <algorithm>
#include <cstddef>
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

// Takes uses one at a time.
class IUseSink {
public:
    virtual void Add(const CAddressUse& use) = 0;

protected:
    ~IUseSink() = default;
};

// Hands over the operand uses of a block head at `at` (and, when `links` is given, appends the
// head when the linker resolves it).
void CollectBlockUses(const CLDCell& head, const CCellRef& at, IUseSink& uses,
                      std::vector<CLinkBlock>* links);

// Hands over the uses in rows [first, end) of one program in order (and, when `links` is given,
// appends its linked blocks there). A template, so that a final sink's Add is inlined into the
// walk over every cell of a program.
template <class Sink>
void CollectUses(const CLadder& ladder, std::uint32_t program, std::size_t first, std::size_t end,
                 Sink& uses, std::vector<CLinkBlock>* links) {
    // Rows lie scattered in memory; asking for a few rows ahead keeps the walk from waiting.
    constexpr std::size_t AHEAD = 8;
    const std::size_t count = std::min(end, ladder.GetCount());
    for (std::size_t r = first; r < count; ++r) {
        if (r + AHEAD < count) {
            PrefetchRow(ladder.GetAt(r + AHEAD));
        }
        const CLDRow& row = *ladder.GetAt(r);
        if (row.IsComment()) {
            continue;
        }
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *row.Cell(c);
            if (cell.Kind() == LDCMD_BASIC) {
                const bool contact = cell.IsContact();
                if (contact || cell.IsCoil()) {
                    CAddressUse use;
                    use.address = cell.Address();
                    use.at = CCellRef{program, static_cast<std::int32_t>(r), c};
                    use.kind = contact ? UseKind::Contact : UseKind::Coil;
                    use.code = cell.Code();
                    use.access = contact ? Access::Read : Access::Write;
                    uses.Add(use);
                }
            } else if (cell.IsFunc()) {
                CollectBlockUses(cell, CCellRef{program, static_cast<std::int32_t>(r), c}, uses,
                                 links);
            }
        }
    }
}

// Appends them to a list.
void CollectUses(const CLadder& ladder, std::uint32_t program, std::size_t first, std::size_t end,
                 std::vector<CAddressUse>& uses, std::vector<CLinkBlock>* links);

}  // namespace varno
