#include "model/ladder.h"

#include <gtest/gtest.h>

#include "ladder_builders.h"

namespace varno {
namespace {

using test::Addr;
using test::Block;
using test::Codb;
using test::Const;
using test::Contact;
using test::Wire;

// One character per cell: . empty, - wire, C contact, F head, I input, E end, ? other; a row
// of comment is "/".
std::string Picture(const CLadder& ladder) {
    std::string s;
    for (const CLDRow& row : ladder) {
        if (row.IsComment()) {
            s += "/\n";
            continue;
        }
        for (int c = 0; c < 8; ++c) {
            const CLDCell& cell = *row.Cell(c);
            switch (cell.Kind()) {
                case LDCMD_NONE:
                    s += '.';
                    break;
                case LDCMD_HLINE:
                    s += '-';
                    break;
                case LDCMD_BASIC:
                    s += 'C';
                    break;
                case LDCMD_FUNC:
                    s += 'F';
                    break;
                case LDCMD_FUNC_INPUT:
                    s += static_cast<char>('0' + cell.Code());
                    break;
                case LDCMD_FUNC_END:
                    s += 'E';
                    break;
                default:
                    s += '?';
                    break;
            }
        }
        s += '\n';
    }
    return s;
}

TEST(Ladder, InsertRowPlacesCopiesAndBlanks) {
    CLadder ladder;
    EXPECT_EQ(ladder.Width(), 8);
    CLDRow& first = ladder.InsertRow(0);
    EXPECT_EQ(ladder.GetRow(0), &first);
    CLDRow comment("note", "");
    ladder.InsertRow(99, &comment);
    ladder.InsertRow(1);
    ladder.InsertRow(-3, &comment);
    EXPECT_EQ(Picture(ladder), "/\n........\n........\n/\n");
    EXPECT_NE(ladder.GetRow(0), &comment);
    EXPECT_EQ(ladder.GetCell(0, 0), nullptr);
    EXPECT_EQ(ladder.GetCell(1, 8), nullptr);
    EXPECT_NE(ladder.GetCell(1, 7), nullptr);
    EXPECT_FALSE(ladder.RemoveRow(4));
    EXPECT_FALSE(ladder.RemoveRow(-1));
    EXPECT_TRUE(ladder.RemoveRow(0));
    EXPECT_EQ(ladder.RowCount(), 3);
    ladder.DeleteAllRows();
    EXPECT_TRUE(ladder.IsEmpty());
}

TEST(Ladder, PlaceBlockLaysOutHeadInputsAndEnd) {
    CLadder ladder;
    CLDCell* tmr = ladder.PlaceBlock(0, 0, Block(FUNC_TMR, {Const(3)}), false);
    ASSERT_NE(tmr, nullptr);
    EXPECT_EQ(tmr, ladder.GetCell(0, 0));
    EXPECT_EQ(tmr->Operand(0)->Constant(), 3);
    EXPECT_EQ(Picture(ladder), "F..E....\n........\n");

    for (int i = 2; i < 6; ++i) {
        ladder.InsertRow(i);
    }
    ladder.SetVLine(3, 2);
    ASSERT_NE(ladder.PlaceBlock(2, 1, Block(FUNC_CTR), true), nullptr);
    EXPECT_EQ(Picture(ladder),
              "F..E....\n........\n"
              ".F..E---\n.1......\n.2......\n.3......\n........\n");
    EXPECT_TRUE(ladder.GetCell(3, 2)->VLine());
    EXPECT_EQ(ladder.GetRow(2)->Extent(), 5);
}

TEST(Ladder, PlaceBlockRefusesOccupiedCommentOrOverhangingAreas) {
    CLadder ladder;
    ladder.PutElement(0, 0, Contact('X', 1));
    ladder.InsertRow(1);
    ladder.PutElement(1, 3, Contact('X', 2));
    EXPECT_EQ(ladder.PlaceBlock(0, 0, Block(FUNC_TMR), false), nullptr);
    EXPECT_EQ(ladder.PlaceBlock(0, 1, Block(FUNC_TMR), false), nullptr);  // row 1 column 3
    EXPECT_EQ(Picture(ladder), "C.......\n...C....\n");

    CLDRow comment("c", "");
    ladder.InsertRow(3, &comment);
    ladder.InsertRow(2);
    EXPECT_EQ(ladder.PlaceBlock(2, 0, Block(FUNC_TMR), false), nullptr);

    // Past column 7 fails; the missing row appended on the way stays, as callers expect.
    EXPECT_EQ(ladder.PlaceBlock(4, 5, Block(FUNC_TMR), false), nullptr);
    EXPECT_EQ(ladder.RowCount(), 5);
    EXPECT_EQ(ladder.PlaceBlock(0, 8, Block(FUNC_TMR), false), nullptr);

    // A block whose template lacks the records it needs changes nothing.
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = FUNC_MOVE;
    EXPECT_EQ(ladder.PlaceBlock(4, 0, CLDCell(head), false), nullptr);
    EXPECT_EQ(ladder.RowCount(), 5);

    // A CODB table adds rows to the area.
    CLadder big;
    ASSERT_NE(big.PlaceBlock(0, 4, Codb(4, 10), true), nullptr);
    EXPECT_EQ(big.RowCount(), 8);
    EXPECT_EQ(big.GetRow(0)->Extent(), 8);
    EXPECT_EQ(Picture(big).substr(0, 17), "....F..E\n....1...");
}

TEST(Ladder, PutElementAppendsOnlyTheNextRow) {
    CLadder ladder;
    CLDCell* c = ladder.PutElement(0, 2, Contact('X', 5));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Address().number, 5);
    EXPECT_EQ(ladder.PutElement(3, 0, Contact('X', 6)), nullptr);
    EXPECT_EQ(ladder.RowCount(), 2);  // a blank row was appended, not the one asked for
    EXPECT_EQ(ladder.PutElement(0, 8, Contact('X', 6)), nullptr);
    CLDRow comment("c", "");
    ladder.InsertRow(2, &comment);
    EXPECT_EQ(ladder.PutElement(2, 0, Contact('X', 6)), nullptr);
    // A block head is laid out as a block, without the wire.
    ASSERT_NE(ladder.PutElement(0, 4, Block(FUNC_DIFU)), nullptr);
    EXPECT_EQ(Picture(ladder), "..C.F..E\n........\n/\n");
}

TEST(Ladder, FillLineSetVLineAndRemoveElement) {
    CLadder ladder;
    EXPECT_TRUE(ladder.FillLine(3, 4, 0));
    EXPECT_EQ(ladder.RowCount(), 4);
    EXPECT_EQ(Picture(ladder).substr(27), "....----\n");
    CLadder two;
    EXPECT_TRUE(two.FillLine(0, 4, 5));
    EXPECT_FALSE(two.FillLine(0, 6, 9));  // columns 6 and 7 wired, then column 8 refuses
    EXPECT_EQ(Picture(two), "....----\n");
    EXPECT_FALSE(two.FillLine(-1, 0, 0));

    EXPECT_TRUE(two.SetVLine(0, 0));
    EXPECT_FALSE(two.GetCell(0, 0)->VLine());
    EXPECT_TRUE(two.SetVLine(5, 3));  // missing row: the appended row takes the flag
    EXPECT_EQ(two.RowCount(), 2);
    EXPECT_TRUE(two.GetCell(1, 3)->VLine());
    EXPECT_TRUE(two.ClearVLine(1, 3));
    EXPECT_FALSE(two.ClearVLine(7, 3));

    // Removing a head clears the whole area and keeps flags; an end cell goes alone.
    CLadder ladder2;
    ladder2.PlaceBlock(0, 1, Block(FUNC_CTR), true);
    ladder2.SetVLine(2, 2);
    ladder2.SetVLine(1, 1);
    EXPECT_TRUE(ladder2.RemoveElement(0, 4));
    EXPECT_EQ(Picture(ladder2).substr(0, 9), ".F...---\n");
    EXPECT_TRUE(ladder2.RemoveElement(0, 1));
    EXPECT_EQ(Picture(ladder2), ".....---\n........\n........\n........\n........\n");
    EXPECT_TRUE(ladder2.GetCell(2, 2)->VLine());
    EXPECT_TRUE(ladder2.GetCell(1, 1)->VLine());
    EXPECT_TRUE(ladder2.RemoveElement(40, 0));

    // A block reaching below the last row: rows that exist are cleared, then failure.
    CLadder cut;
    cut.PlaceBlock(0, 0, Block(FUNC_CTR), false);
    cut.RemoveRow(4);
    EXPECT_FALSE(cut.RemoveElement(0, 0));
    EXPECT_EQ(Picture(cut), "........\n........\n........\n........\n");
}

TEST(Ladder, IsEmptyOnRows) {
    CLadder ladder;
    ladder.PutElement(0, 6, Wire());
    EXPECT_TRUE(ladder.IsEmpty(0, 0, 6));
    EXPECT_FALSE(ladder.IsEmpty(0, 0, -1));
    EXPECT_FALSE(ladder.IsEmpty(1, 0, 1));
    EXPECT_FALSE(ladder.IsEmpty());
}

TEST(Ladder, NetworksFollowVerticalWiresAndBlocks) {
    CLadder ladder;
    ladder.InsertRow(0);
    ladder.InsertRow(1);
    ladder.SetVLine(1, 3);
    ladder.InsertRow(2);
    EXPECT_EQ(ladder.NetworkEnd(0), 2);
    EXPECT_EQ(ladder.NetworkEnd(2), 3);

    // A block spans its rows; a wire on the row after it extends the rung.
    ladder.PlaceBlock(3, 0, Block(FUNC_CTR), false);  // rows 3..7
    ladder.InsertRow(8);
    ladder.SetVLine(8, 5);
    ladder.InsertRow(9);
    EXPECT_EQ(ladder.NetworkEnd(3), 9);
    EXPECT_EQ(ladder.NetworkEnd(9), 10);
    EXPECT_EQ(ladder.NetworkEnd(10), 10);
    EXPECT_EQ(ladder.NetworkEnd(-1), -1);

    // A flag inside the head row's block area is not a wire.
    CLadder inner;
    inner.PlaceBlock(0, 0, Block(FUNC_TMR), false);
    inner.InsertRow(2);
    inner.SetVLine(2, 0);
    inner.GetRow(2)->PutCell(0, Block(FUNC_TMR));
    inner.GetCell(2, 2)->SetVLine(true);
    EXPECT_EQ(inner.NetworkEnd(0), 2);

    // A block reaching past the last row ends the rung beyond it.
    CLadder tall;
    tall.PlaceBlock(0, 0, Block(FUNC_TMR), false);
    tall.RemoveRow(1);
    EXPECT_EQ(tall.NetworkEnd(0), 2);
}

TEST(Ladder, FindBlockHeadAboveReturnsTheHeadsRow) {
    CLadder ladder;
    ladder.PlaceBlock(0, 1, Block(FUNC_CTR), false);
    ladder.PlaceBlock(5, 1, Block(FUNC_CTR), false);
    EXPECT_EQ(ladder.FindBlockHeadAbove(3, 1, 0), 0);
    EXPECT_EQ(ladder.FindBlockHeadAbove(8, 1, 0), 5);
    EXPECT_EQ(ladder.FindBlockHeadAbove(4, 1, 1), -1);
    EXPECT_EQ(ladder.FindBlockHeadAbove(3, 2, 0), -1);
    EXPECT_EQ(ladder.FindBlockHeadAbove(100, 1, 6), -1);
    EXPECT_EQ(ladder.FindBlockHeadAbove(100, 1, 0), 5);
}

TEST(Ladder, FindElementScansForwardByPatternKind) {
    CLadder ladder;
    ladder.PutElement(0, 0, Contact('X', 10, 3));
    ladder.PutElement(0, 7, test::Coil('Y', 10, 3));
    CLDRow comment("X0010.3", "");
    ladder.InsertRow(1, &comment);
    ladder.InsertRow(2);
    ladder.PlaceBlock(2, 0, Block(FUNC_MOVB, {Addr('R', 5, 2), Const(258)}), false);
    ladder.PlaceBlock(2, 4, Codb(2, 1), false);

    int row = 0;
    int column = 0;
    CLDCmd pattern = CLDCmd::Basic(BASIC_WRT, 'X', 10, 3);
    ASSERT_TRUE(ladder.FindElement(pattern, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{0, 0}));
    column = 1;
    EXPECT_FALSE(ladder.FindElement(pattern, row, column));  // the coil is on Y
    pattern.SetAddress(LDADDR{'X', 2, 10});
    row = column = 0;
    EXPECT_FALSE(ladder.FindElement(pattern, row, column));  // bit differs

    // An operand is reported where it is drawn: its own row below the head, two columns in.
    CLDCmd operand = Addr('R', 5, 7);  // the bit does not matter
    row = column = 0;
    ASSERT_TRUE(ladder.FindElement(operand, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{2, 2}));
    CLDCmd constant = Const(258);
    row = column = 0;
    ASSERT_TRUE(ladder.FindElement(constant, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{3, 2}));
    // Constants compare by the bytes an address's letter and number use, so the second byte
    // does not count: 2 (and 0x202) match 258 = 0x102, the MOVB operand met first.
    row = column = 0;
    constant = Const(2);
    ASSERT_TRUE(ladder.FindElement(constant, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{3, 2}));
    row = column = 0;
    ASSERT_TRUE(ladder.FindElement(Const(0x202), row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{3, 2}));
    // Past the MOVB, 2 finds CODB's first operand (the head at column 4).
    row = 2;
    column = 1;
    ASSERT_TRUE(ladder.FindElement(constant, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{2, 6}));
    // The upper bytes count: 0x10002 matches nothing.
    row = column = 0;
    EXPECT_FALSE(ladder.FindElement(Const(0x10002), row, column));
    // CODB table items are not searched.
    row = column = 0;
    EXPECT_FALSE(ladder.FindElement(Const(100), row, column));

    CLDCmd func;
    func.kind = LDCMD_FUNC;
    func.code = FUNC_CODB;
    row = 2;
    column = 1;
    ASSERT_TRUE(ladder.FindElement(func, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{2, 4}));

    auto lookup = [](const LDADDR& a) -> std::optional<std::string> {
        if (a.letter == 'Y') {
            return "LAMP";
        }
        return std::nullopt;
    };
    row = column = 0;
    ASSERT_TRUE(ladder.FindSymbol("LAMP", lookup, row, column));
    EXPECT_EQ((CCellPos{row, column}), (CCellPos{0, 7}));
    row = column = 0;
    EXPECT_FALSE(ladder.FindSymbol("lamp", lookup, row, column));
}

TEST(Ladder, BlockOperandsAreOwnedAndFreedWithTheBlock) {
    // The placed head holds its own copy of the template's array; removing it frees it.
    CLadder ladder;
    CLDCell codb = Codb(2, 600);
    const CLDCmd* source = codb.Operands().data();
    CLDCell* head = ladder.PlaceBlock(0, 0, codb, true);
    ASSERT_NE(head, nullptr);
    EXPECT_NE(head->Operands().data(), source);
    EXPECT_EQ(ladder.RowCount(), 105);
    EXPECT_TRUE(ladder.RemoveElement(0, 0));
    EXPECT_TRUE(ladder.GetCell(0, 0)->Operands().empty());
    EXPECT_EQ(ladder.GetRow(0)->Extent(), 1);
}

}  // namespace
}  // namespace varno
