#include "check/address_use.h"

#include <algorithm>

#include "model/catalog.h"

namespace varno {

namespace {

// Where the view draws a block's operands: one per row from the head row on, in its third
// column.
constexpr int OPERAND_COLUMN_OFFSET = 2;

bool IsLinked(std::uint8_t number) {
    return number == FUNC_SP || number == FUNC_LBL || number == FUNC_CALL || number == FUNC_CALLU ||
           number == FUNC_JMPB;
}

void CollectBlock(const CLDCell& head, const CCellRef& at, std::vector<CAddressUse>& uses,
                  std::vector<CLinkBlock>* links) {
    const std::uint8_t number = head.Code();
    const int count =
        std::min<int>(FuncOperandCount(number), static_cast<int>(head.Operands().size()));
    for (int i = 0; i < count; ++i) {
        const CLDCmd& op = head.Operands()[static_cast<std::size_t>(i)];
        if (op.code != LDOPD_ADDR) {
            continue;
        }
        CAddressUse use;
        use.address = op.Address();
        use.at = CCellRef{at.program, at.row + i, at.column + OPERAND_COLUMN_OFFSET};
        use.kind = UseKind::Operand;
        use.code = number;
        use.operand = static_cast<std::uint8_t>(i);
        use.access = OperandAccess(number, i);
        use.width = static_cast<std::uint16_t>(OperandWidth(head, i));
        uses.push_back(use);
    }
    if (links != nullptr && IsLinked(number)) {
        CLinkBlock block;
        block.at = at;
        block.number = number;
        block.head = head.Element();
        block.head.vline = 0;
        block.head.operand = 0;
        if (count > 0) {
            block.operand = head.Operands()[0];
            block.operand.reserved = 0;
        }
        links->push_back(block);
    }
}

}  // namespace

void CollectUses(const CLadder& ladder, std::uint32_t program, std::vector<CAddressUse>& uses,
                 std::vector<CLinkBlock>* links) {
    // Rows lie scattered in memory; asking for a few rows ahead keeps the walk from waiting.
    constexpr std::size_t AHEAD = 8;
    const std::size_t count = ladder.GetCount();
    for (std::size_t r = 0; r < count; ++r) {
        if (r + AHEAD < count) {
            PrefetchRow(ladder.GetAt(r + AHEAD));
        }
        const CLDRow& row = *ladder.GetAt(r);
        if (row.IsComment()) {
            continue;
        }
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *row.Cell(c);
            const CCellRef at{program, static_cast<std::int32_t>(r), c};
            if (cell.IsFunc()) {
                CollectBlock(cell, at, uses, links);
                continue;
            }
            if (cell.Kind() != LDCMD_BASIC) {
                continue;
            }
            const bool contact = cell.IsContact();
            if (contact || cell.IsCoil()) {
                CAddressUse use;
                use.address = cell.Address();
                use.at = at;
                use.kind = contact ? UseKind::Contact : UseKind::Coil;
                use.code = cell.Code();
                use.access = contact ? Access::Read : Access::Write;
                uses.push_back(use);
            }
        }
    }
}

}  // namespace varno
