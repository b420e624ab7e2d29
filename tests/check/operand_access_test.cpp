// The operand table: every hint of the catalog has its access, and the instructions get the
// access and widths their hints say.
#include <gtest/gtest.h>

#include "check/operand_access.h"
#include "model/catalog.h"
#include "model/catalog_data.h"

namespace varno {
namespace {

CLDCmd Constant(int value) {
    CLDCmd op;
    op.kind = LDCMD_OPERAND;
    op.code = LDOPD_CONST;
    op.SetConstant(value);
    return op;
}

CLDCmd Address(char letter, int number) {
    CLDCmd op;
    op.kind = LDCMD_OPERAND;
    op.code = LDOPD_ADDR;
    op.SetAddress(
        LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(number)});
    return op;
}

CLDCell Block(std::uint8_t number, const std::vector<CLDCmd>& operands) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = number;
    CLDCell cell(head);
    EXPECT_TRUE(cell.SetOperands(operands));
    return cell;
}

TEST(OperandAccess, DestinationsWriteSourcesReadNamesDoNeither) {
    EXPECT_EQ(OperandAccess(FUNC_MOVB, 0), Access::Read);
    EXPECT_EQ(OperandAccess(FUNC_MOVB, 1), Access::Write);
    EXPECT_EQ(OperandAccess(FUNC_MOVN, 2), Access::Write);
    EXPECT_EQ(OperandAccess(FUNC_ADDB, 1), Access::Read);
    EXPECT_EQ(OperandAccess(FUNC_ADDB, 3), Access::Write);
    EXPECT_EQ(OperandAccess(FUNC_DECB, 3), Access::Write);
    EXPECT_EQ(OperandAccess(FUNC_SPCNT, 2), Access::Write);
    EXPECT_EQ(OperandAccess(FUNC_SFT, 0), Access::ReadWrite);
    EXPECT_EQ(OperandAccess(FUNC_XMOVB, 3), Access::ReadWrite);
    EXPECT_EQ(OperandAccess(FUNC_CTRC, 1), Access::ReadWrite);
    // ROTB's target position is an input, although its hint speaks of a target.
    EXPECT_EQ(OperandAccess(FUNC_ROTB, 3), Access::Read);
    for (std::uint8_t number : {FUNC_TMR, FUNC_CTR, FUNC_DIFU, FUNC_CALL, FUNC_SP, FUNC_LBL}) {
        EXPECT_EQ(OperandAccess(number, 0), Access::None) << int(number);
    }
    // Past the operands, the CODB table, unknown instructions.
    EXPECT_EQ(OperandAccess(FUNC_MOVB, 2), Access::None);
    EXPECT_EQ(OperandAccess(FUNC_CODB, 4), Access::None);
    EXPECT_EQ(OperandAccess(4, 0), Access::None);
    EXPECT_EQ(OperandAccess(200, 0), Access::None);
}

TEST(OperandAccess, EveryHintOfEveryInstructionHasAnEntry) {
    // A hint the table does not know would leave its operands unread and unwritten.
    const std::size_t hints = catalog_data::OperandHints().size();
    int writers = 0;
    for (const catalog_data::FuncEntry& entry : catalog_data::Functions()) {
        for (int i = 0; i < FuncOperandCount(entry.number); ++i) {
            ASSERT_GE(entry.hints[static_cast<std::size_t>(i)], 1);
            ASSERT_LE(entry.hints[static_cast<std::size_t>(i)], hints);
            writers += Writes(OperandAccess(entry.number, i)) ? 1 : 0;
        }
    }
    EXPECT_EQ(hints, 53u);
    EXPECT_EQ(writers, 24);
}

TEST(OperandAccess, WidthsFollowTheFormatAndTheTransferSize) {
    EXPECT_EQ(OperandWidth(Block(FUNC_MOVB, {Address('R', 1), Address('R', 2)}), 1), 1);
    EXPECT_EQ(OperandWidth(Block(FUNC_MOVW, {Address('R', 1), Address('R', 2)}), 1), 2);
    const CLDCell movn = Block(FUNC_MOVN, {Constant(6), Address('R', 1), Address('R', 2)});
    EXPECT_EQ(OperandWidth(movn, 1), 6);
    EXPECT_EQ(OperandWidth(movn, 0), 1);  // the count itself
    EXPECT_EQ(
        OperandWidth(Block(FUNC_MOVN, {Address('D', 0), Address('R', 1), Address('R', 2)}), 2),
        1);  // a count only known at run time
    const CLDCell add4 =
        Block(FUNC_ADDB, {Constant(1004), Address('R', 1), Address('R', 5), Address('R', 9)});
    EXPECT_EQ(OperandWidth(add4, 1), 4);
    EXPECT_EQ(OperandWidth(add4, 3), 4);
    EXPECT_EQ(OperandWidth(add4, 0), 1);
    const CLDCell add3 =
        Block(FUNC_ADDB, {Constant(3), Address('R', 1), Constant(1), Address('R', 9)});
    EXPECT_EQ(OperandWidth(add3, 3), 1);  // 3 bytes is no width
    const CLDCell decb =
        Block(FUNC_DECB, {Constant(2), Address('R', 1), Constant(3), Address('R', 9)});
    EXPECT_EQ(OperandWidth(decb, 1), 2);
    EXPECT_EQ(OperandWidth(decb, 3), 1);
}

}  // namespace
}  // namespace varno
