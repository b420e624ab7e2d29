#include "random_network.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/catalog.h"

namespace varno::test {

std::unique_ptr<CLadder> CNetworkMaker::Make() {
    auto ladder = std::make_unique<CLadder>();
    ladder->SetName("LEVEL1");
    int rows = Pick(1, 4);
    std::vector<std::vector<bool>> covered;
    int blockOperand = 100;
    const bool withBlock = Pick(0, 2) == 0;
    struct CBlockKind {
        const char* name;
        int height;
    };
    static constexpr CBlockKind BLOCKS[] = {{"TMR", 2}, {"DIFU", 2}, {"PARI", 4}, {"CTR", 5}};
    const CBlockKind block = BLOCKS[Pick(0, 3)];
    const int blockRow = withBlock ? Pick(0, rows - 1) : 0;
    const int blockColumn = Pick(0, 4);
    if (withBlock) {
        rows = std::max(rows, blockRow + block.height);
    }
    for (int r = 0; r < rows; ++r) {
        ladder->InsertRow(r);
    }
    covered.assign(rows, std::vector<bool>(LADDER_WIDTH, false));
    if (withBlock) {
        CLDCmd head;
        EXPECT_TRUE(FindFuncByName(block.name, head));
        CLDCmd operand;
        operand.kind = LDCMD_OPERAND;
        operand.SetConstant(blockOperand++);
        CLDCell cell(head);
        EXPECT_TRUE(cell.SetOperands(std::vector<CLDCmd>{operand}));
        EXPECT_NE(ladder->PlaceBlock(blockRow, blockColumn, cell, false), nullptr);
        for (int r = blockRow; r < blockRow + block.height; ++r) {
            for (int c = blockColumn; c < blockColumn + 4; ++c) {
                covered[r][c] = true;
            }
        }
    }
    int coil = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            if (!covered[r][c]) {
                PutRandomCell(*ladder, r, c, coil);
            }
            if (r > 0 && Pick(0, 3) == 0) {
                ladder->SetVLine(r, c);
            }
        }
    }
    return ladder;
}

void CNetworkMaker::PutRandomCell(CLadder& ladder, int r, int c, int& coil) {
    const int roll = Pick(0, 99);
    const bool lastColumn = c == LADDER_WIDTH - 1;
    if ((lastColumn && roll < 90) || (!lastColumn && roll < 3)) {
        static constexpr std::uint8_t CODES[] = {BASIC_WRT, BASIC_WRT_NOT, BASIC_SET, BASIC_RST};
        const int index = coil++;
        ladder.PutElement(
            r, c,
            CLDCell(CLDCmd::Basic(CODES[Pick(0, 3)], 'Y', static_cast<std::uint16_t>(index / 8),
                                  static_cast<std::int8_t>(index % 8))));
    } else if (roll < 45) {
        CLDCmd line;
        line.kind = LDCMD_HLINE;
        ladder.PutElement(r, c, CLDCell(line));
    } else if (roll < 96) {
        static constexpr std::uint8_t CODES[] = {BASIC_RD, BASIC_RD, BASIC_RD_NOT, BASIC_RDPT,
                                                 BASIC_RDNT};
        // Drawn one after the other: the order of arguments is up to the compiler.
        const std::uint8_t code = CODES[Pick(0, 4)];
        const auto bit = static_cast<std::int8_t>(Pick(0, 5));
        ladder.PutElement(r, c, CLDCell(CLDCmd::Basic(code, 'X', 0, bit)));
    }
}

}  // namespace varno::test
