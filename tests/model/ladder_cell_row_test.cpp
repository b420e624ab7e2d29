#include <gtest/gtest.h>

#include "ladder_builders.h"
#include "model/ladder_row.h"

namespace varno {
namespace {

using test::Addr;
using test::Block;
using test::Codb;
using test::Const;
using test::Contact;

TEST(LadderCell, CopiesOwnTheirOperands) {
    CLDCell head = Block(FUNC_TMR, {Const(3)});
    CLDCell copy = head;
    ASSERT_EQ(copy.Operands().size(), 1u);
    EXPECT_NE(copy.Operands().data(), head.Operands().data());
    copy.SetOperand(0, Const(9));
    EXPECT_EQ(head.Operand(0)->Constant(), 3);

    CLDCell target = Contact('X', 1);
    target = head;
    EXPECT_EQ(target.Operand(0)->Constant(), 3);
    EXPECT_EQ(target.Element().operand, 0u);

    // Turning a head into anything else drops its array.
    target.SetElement(Contact('X', 2).Element());
    EXPECT_TRUE(target.Operands().empty());
}

TEST(LadderCell, SetOperandsTakesTheRecordCountFromTheSource) {
    CLDCell codb = Codb(4, 10);
    EXPECT_EQ(codb.Operands().size(), 14u);
    EXPECT_EQ(FuncHeight(codb), 8);
    EXPECT_EQ(FuncRecordCount(codb), 14);
    EXPECT_EQ(FuncTableLength(codb), 10);
    // Catalog operands only; the table is not reachable through Operand.
    EXPECT_NE(codb.Operand(3), nullptr);
    EXPECT_EQ(codb.Operand(4), nullptr);
    EXPECT_EQ(codb.Operand(-1), nullptr);

    // A source announcing more table items than it holds is refused, the cell unchanged.
    std::vector<CLDCmd> shortSource = {Const(2), Const(5), Const(0), Const(0), Const(1)};
    EXPECT_FALSE(codb.SetOperands(shortSource));
    EXPECT_EQ(codb.Operands().size(), 14u);
    shortSource.resize(9, Const(7));
    EXPECT_TRUE(codb.SetOperands(shortSource));
    EXPECT_EQ(FuncHeight(codb), 6);  // 5 + one row of up to six items

    // One record at a time, the count of records cannot change.
    EXPECT_FALSE(codb.SetOperand(1, Const(6)));
    EXPECT_TRUE(codb.SetOperand(1, Const(5)));
    EXPECT_TRUE(codb.SetOperand(8, Const(-1)));
    EXPECT_FALSE(codb.SetOperand(9, Const(0)));
    EXPECT_TRUE(codb.SetOperand(0, Const(4)));
    EXPECT_EQ(FuncHeight(codb), 7);

    // Extra source records beyond the count are not taken.
    CLDCell tmr = Block(FUNC_TMR);
    std::vector<CLDCmd> three = {Const(1), Const(2), Const(3)};
    EXPECT_TRUE(tmr.SetOperands(three));
    EXPECT_EQ(tmr.Operands().size(), 1u);
    EXPECT_EQ(FuncWidth(Contact('X', 0)), 1);
    EXPECT_EQ(FuncHeight(Contact('X', 0)), 1);
}

TEST(LadderCell, Predicates) {
    for (std::uint8_t code : {1, 2, 15, 19}) {
        EXPECT_TRUE(Contact('X', 0, 0, code).IsContact()) << int(code);
        EXPECT_FALSE(Contact('X', 0, 0, code).IsCoil());
    }
    for (std::uint8_t code : {11, 12, 13, 14}) {
        EXPECT_TRUE(Contact('Y', 0, 0, code).IsCoil()) << int(code);
    }
    EXPECT_FALSE(Contact('X', 0, 0, BASIC_AND).IsContact());
    EXPECT_TRUE(Block(FUNC_END1).IsFunc());
    EXPECT_TRUE(CLDCell().IsEmpty());
    EXPECT_TRUE(test::Wire().IsHLine());
}

TEST(LadderCell, ShiftAddressMovesMatchingAddressesOnly) {
    CLDCell x = Contact('X', 10, 3);
    EXPECT_TRUE(x.ShiftAddress('X', 10, 20, 5, true));
    EXPECT_EQ(x.Address().number, 10);  // test only
    EXPECT_TRUE(x.ShiftAddress('X', 10, 20, 5, false));
    EXPECT_EQ(x.Address(), (LDADDR{'X', 3, 15}));
    EXPECT_FALSE(x.ShiftAddress('Y', 0, 100, 1, false));
    EXPECT_FALSE(x.ShiftAddress('X', 16, 100, 1, false));

    CLDCell wrap = Contact('R', 2);
    EXPECT_TRUE(wrap.ShiftAddress('R', 0, 5, -3, false));
    EXPECT_EQ(wrap.Address().number, 65535);

    // Catalog operands that are addresses move; constants and table items do not.
    std::vector<CLDCmd> ops = {Const(1),      Const(2),      Addr('R', 10),
                               Addr('D', 10), Addr('R', 11), Addr('R', 12)};
    CLDCell codb = Block(FUNC_CODB, ops);
    EXPECT_TRUE(codb.ShiftAddress('R', 10, 12, 100, false));
    EXPECT_EQ(codb.Operand(2)->Address().number, 110);
    EXPECT_EQ(codb.Operand(3)->Address().number, 10);
    EXPECT_EQ(codb.Operands()[4].Address().number, 11);
    EXPECT_FALSE(test::Wire().ShiftAddress('\0', -10, 10, 1, false));
}

TEST(LadderRow, CommentRowsMeasureTheirLines) {
    struct Case {
        const char* a;
        const char* b;
        int lines;
        int height;
    } cases[] = {
        {"", "", 0, 1},         {"AB", "", 1, 1},       {"", "x", 1, 1},
        {"a\nb", "", 2, 1},     {"a\nb\nc", "x", 3, 2}, {"a", "1\n2\n3\n4", 4, 2},
        {"\n\n\n\n", "", 5, 3},
    };
    for (const Case& c : cases) {
        CLDRow row(c.a, c.b);
        EXPECT_EQ(row.LineCount(), c.lines) << c.a << "|" << c.b;
        EXPECT_EQ(row.DisplayHeight(), c.height) << c.a << "|" << c.b;
        EXPECT_EQ(row.Extent(), 1);
        EXPECT_TRUE(row.IsComment());
        EXPECT_EQ(row.Type(), LDROW_COMMENT);
    }
    CLDRow row("one", "two");
    EXPECT_EQ(row.Comment(1), "one");
    EXPECT_EQ(row.Comment(2), "two");
    EXPECT_EQ(row.Comment(3), "");
    EXPECT_EQ(row.Cell(0), nullptr);
    EXPECT_FALSE(row.IsEmpty());
    EXPECT_FALSE(row.HasVLine());
    EXPECT_FALSE(row.SetVLine(3));
    EXPECT_TRUE(row.SetComments("1\n2\n3", ""));
    EXPECT_EQ(row.DisplayHeight(), 2);
    CLDRow elements;
    EXPECT_FALSE(elements.SetComments("x", "y"));
    EXPECT_EQ(elements.Comment(1), "");
}

TEST(LadderRow, CellsRangesAndFlags) {
    CLDRow row;
    EXPECT_EQ(row.Type(), LDROW_ELEMENTS);
    EXPECT_TRUE(row.IsEmpty());
    EXPECT_EQ(row.Cell(8), nullptr);
    EXPECT_EQ(row.Cell(-1), nullptr);
    ASSERT_TRUE(row.PutCell(5, Contact('X', 1)));
    EXPECT_TRUE(row.IsEmpty(0, 5));
    EXPECT_FALSE(row.IsEmpty(3, 3));
    EXPECT_FALSE(row.IsEmpty(-4, -1));
    EXPECT_TRUE(row.IsEmpty(6, 100));

    // The flag belongs to the cell, not to what is put there.
    EXPECT_TRUE(row.SetVLine(5));
    CLDCell flagged = Contact('Y', 2);
    flagged.SetVLine(true);
    row.PutCell(4, flagged);
    EXPECT_FALSE(row.Cell(4)->VLine());
    row.PutCell(5, Contact('Y', 3));
    EXPECT_TRUE(row.Cell(5)->VLine());
    EXPECT_TRUE(row.EmptyCell(5));
    EXPECT_TRUE(row.Cell(5)->VLine());
    EXPECT_TRUE(row.Cell(5)->IsEmpty());

    EXPECT_TRUE(row.SetVLine(0));
    EXPECT_FALSE(row.Cell(0)->VLine());
    EXPECT_TRUE(row.ClearVLine(5));
    EXPECT_FALSE(row.HasVLine());
}

TEST(LadderRow, BlocksDecideExtentCoveringAndWireVisits) {
    CLDRow row;
    row.PutCell(1, Codb(2, 7));   // 5 + 2 rows, 4 wide: columns 1..4
    row.Cell(3)->SetVLine(true);  // inside the head row's block area: not visited
    EXPECT_EQ(row.Extent(), 7);
    EXPECT_FALSE(row.HasVLine());
    EXPECT_FALSE(row.Shape().hasVLine);
    row.Cell(5)->SetVLine(true);
    EXPECT_TRUE(row.HasVLine());
    EXPECT_TRUE(row.Shape().hasVLine);
    EXPECT_EQ(row.Shape().extent, 7);

    auto cov = row.FindCovering(3, 6);
    ASSERT_TRUE(cov);
    EXPECT_EQ(cov->column, 1);
    EXPECT_EQ(cov->cell, row.Cell(1));
    EXPECT_FALSE(row.FindCovering(3, 7));
    EXPECT_FALSE(row.FindCovering(0, 1));
    EXPECT_EQ(row.FindCovering(0, 0)->column, 0);
    EXPECT_EQ(row.FindCovering(7, 0)->column, 7);
    EXPECT_FALSE(row.FindCovering(8, 0));

    CLDRow comment("c", "");
    auto any = comment.FindCovering(6, 3);
    ASSERT_TRUE(any);
    EXPECT_EQ(any->column, 6);
    EXPECT_EQ(any->cell, nullptr);

    EXPECT_EQ(row.FindSubprogramHead(), nullptr);
    row.PutCell(6, Block(FUNC_SP, {Addr('P', 10)}));
    EXPECT_EQ(row.FindSubprogramHead(), row.Cell(6));

    // A deep copy of the row owns separate operand arrays.
    CLDRow copy(row);
    EXPECT_NE(copy.Cell(1)->Operands().data(), row.Cell(1)->Operands().data());
    EXPECT_EQ(copy.Extent(), 7);
}

}  // namespace
}  // namespace varno
