// Small builders for ladder tests: elements, operands and blocks as the editor would make them.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "model/catalog.h"
#include "model/ladder.h"

namespace varno::test {

inline CLDCmd Const(std::int32_t value) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    cmd.code = LDOPD_CONST;
    cmd.SetConstant(value);
    return cmd;
}

inline CLDCmd Addr(char letter, std::uint16_t number, std::int8_t bit = -1) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    cmd.code = LDOPD_ADDR;
    cmd.SetAddress(LDADDR{static_cast<std::uint8_t>(letter), bit, number});
    return cmd;
}

inline CLDCell Contact(char letter, std::uint16_t number, std::int8_t bit = 0,
                       std::uint8_t code = BASIC_RD) {
    return CLDCell(CLDCmd::Basic(code, static_cast<std::uint8_t>(letter), number, bit));
}

inline CLDCell Coil(char letter, std::uint16_t number, std::int8_t bit = 0,
                    std::uint8_t code = BASIC_WRT) {
    return CLDCell(CLDCmd::Basic(code, static_cast<std::uint8_t>(letter), number, bit));
}

inline CLDCell Wire() {
    CLDCmd cmd;
    cmd.kind = LDCMD_HLINE;
    return CLDCell(cmd);
}

// A block head holding the given operands; missing catalog operands are filled with constants.
inline CLDCell Block(int number, std::vector<CLDCmd> operands = {}) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = static_cast<std::uint8_t>(number);
    CLDCell cell(head);
    while (static_cast<int>(operands.size()) < FuncOperandCount(number)) {
        operands.push_back(Const(static_cast<std::int32_t>(operands.size()) + 1));
    }
    cell.SetOperands(operands);
    return cell;
}

// A CODB block with the given format and table items 100, 101, ...
inline CLDCell Codb(int format, int tableLength) {
    std::vector<CLDCmd> ops = {Const(format), Const(tableLength), Addr('R', 10), Addr('R', 20)};
    for (int i = 0; i < tableLength; ++i) {
        ops.push_back(Const(100 + i));
    }
    return Block(FUNC_CODB, ops);
}

// Every functional instruction number the catalog defines.
std::vector<int> CatalogNumbers();

// A random program of about `rows` rows: element rows of contacts, coils, wires and vertical
// wires, blocks of every kind (CODB with tables of either format), and comment rows with
// several lines and double-byte text. Without programEnds no END1, END2, SP or SPE block is
// placed, so that the rows can stand inside a program of a program set.
std::unique_ptr<CLadder> RandomProgram(std::mt19937& rng, int rows, bool programEnds = true);

}  // namespace varno::test
