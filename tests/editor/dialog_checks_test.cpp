#include <gtest/gtest.h>

#include "editor/dialog_checks.h"
#include "editor/operand_table.h"
#include "model/address.h"
#include "model/catalog.h"
#include "model/ladder_builders.h"
#include "support/recording_services.h"

namespace varno::test {
namespace {

std::vector<std::string> Texts(const COperandTable& table) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < table.RowCount(); ++i) {
        texts.push_back(table.Text(i));
    }
    return texts;
}

TEST(OperandTable, ShowsOneRowPerOperandWithItsMeaning) {
    COperandTable tmr(FUNC_TMR);
    ASSERT_EQ(tmr.RowCount(), 1u);
    EXPECT_EQ(tmr.Text(0), "");
    EXPECT_EQ(tmr.IndexText(0), "0");
    EXPECT_EQ(tmr.DefineText(0), FuncTexts(FUNC_TMR)->operandHints[0]);

    COperandTable movb(FUNC_MOVB);
    const std::vector<CLDCmd> ops = {Addr('R', 5, 3), Const(12)};
    movb.Load(ops);
    EXPECT_EQ(Texts(movb), (std::vector<std::string>{"R0005", "12"}));
}

TEST(OperandTable, TheCodbTableFollowsItsLengthRow) {
    COperandTable codb(FUNC_CODB);
    const CLDCell loaded = Codb(2, 4);
    codb.Load(loaded.Operands());
    ASSERT_EQ(codb.RowCount(), 8u);
    EXPECT_EQ(codb.DefineText(4), "table 0th item");

    ASSERT_TRUE(codb.EditRow(1, "6"));
    ASSERT_EQ(codb.RowCount(), 10u);
    EXPECT_EQ(codb.DefineText(8), "table 4th item");
    EXPECT_EQ(codb.DefineText(9), "table 5th item");
    EXPECT_EQ(codb.Text(9), "");
    ASSERT_TRUE(codb.EditRow(1, "2"));
    EXPECT_EQ(Texts(codb), (std::vector<std::string>{"2", "2", "R0010", "R0020", "100", "101"}));

    // Only a constant 0..65535 is a length; anything else leaves row and table alone.
    for (const char* text : {"R5", "-1", "65536", "", "2x"}) {
        EXPECT_FALSE(codb.EditRow(1, text)) << text;
        EXPECT_EQ(codb.Text(1), "2");
        EXPECT_EQ(codb.RowCount(), 6u);
    }
    EXPECT_FALSE(codb.EditRow(6, "1"));
    ASSERT_TRUE(codb.EditRow(1, "0"));
    EXPECT_EQ(codb.RowCount(), 4u);
}

TEST(OperandTable, OkParsesTheRowsKeepingWhatDoesNotParse) {
    COperandTable codb(FUNC_CODB);
    codb.Load(Codb(2, 2).Operands());
    codb.EditRow(0, "4");
    codb.EditRow(2, "R0010.9");      // refused by the parser: the row keeps R0010
    codb.EditRow(3, "");             // likewise
    codb.EditRow(4, "99999999999");  // saturates
    codb.EditRow(5, "-7");
    const std::vector<CLDCmd> ops = codb.Operands();
    ASSERT_EQ(ops.size(), 6u);
    for (const CLDCmd& op : ops) {
        EXPECT_EQ(op.kind, LDCMD_OPERAND);
    }
    EXPECT_EQ(ops[0].Constant(), 4);
    EXPECT_EQ(FormatOperand(ops[2], false), "R0010");
    EXPECT_EQ(FormatOperand(ops[3], false), "R0020");
    EXPECT_EQ(ops[4].code, LDOPD_CONST);
    EXPECT_EQ(ops[4].Constant(), 2147483647);
    EXPECT_EQ(ops[5].Constant(), -7);

    // A new block: rows nobody typed in stay zero records of kind LDCMD_OPERAND.
    COperandTable fresh(FUNC_MOVB);
    fresh.EditRow(1, "D0002");
    const std::vector<CLDCmd> made = fresh.Operands();
    EXPECT_EQ(made[0].kind, LDCMD_OPERAND);
    EXPECT_EQ(made[0].code, 0);
    EXPECT_EQ(made[0].operand, 0u);
    EXPECT_EQ(FormatOperand(made[1], false), "D0002");
}

TEST(DialogChecks, ReadDialogIntReadsLeadingDigits) {
    EXPECT_EQ(ReadDialogInt(""), 0);
    EXPECT_EQ(ReadDialogInt("abc"), 0);
    EXPECT_EQ(ReadDialogInt(" 12x"), 12);
    EXPECT_EQ(ReadDialogInt("-30"), -30);
    EXPECT_EQ(ReadDialogInt("+0127"), 127);
    EXPECT_EQ(ReadDialogInt("4294967296"), 2147483647);
    EXPECT_EQ(ReadDialogInt("-99999999999999999999"), -2147483647 - 1);
}

TEST(DialogChecks, BatchDialogDefaultsAndReading) {
    CBatchDialogData data;
    for (int type = 0; type < 9; ++type) {
        data.typeIndex = type;
        FillBatchDefaults(data);
        EXPECT_EQ(data.start.size(), 4u);
    }
    data.typeIndex = 2;  // F
    FillBatchDefaults(data);
    EXPECT_EQ(data.start, "0000");
    EXPECT_EQ(data.end, "0767");
    data.amount = 0xFFFFFFFF;
    CBatchRequest request = ReadBatchDialog(data);
    EXPECT_EQ(request.letter, 'F');
    EXPECT_EQ(request.last, 767);
    EXPECT_EQ(request.delta, 65535);
    data.typeIndex = -1;
    EXPECT_EQ(ReadBatchDialog(data).letter, '\0');
}

TEST(DialogChecks, ElementAddressesAndSymbols) {
    CRecordingMessages messages;
    CCommentList comments;
    comments.SetComment(LDADDR{'Y', 2, 1}, "LAMP", "", "");
    comments.SetComment(LDADDR{'X', -1, 9}, "", "only a comment", "");

    CElementDialogData data{3, "lamp"};
    EXPECT_FALSE(CheckElementDialog(ElementClass::Coil, data, comments, messages));
    data.address = "LAMP";
    std::optional<CElementChoice> choice =
        CheckElementDialog(ElementClass::Coil, data, comments, messages);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->code, BASIC_RST);
    EXPECT_EQ(data.address, "Y0001.2");  // the box shows the address now
    EXPECT_EQ(choice->address, (LDADDR{'Y', 2, 1}));

    // An empty text is not looked up, although an item with an empty symbol exists.
    data.address = "";
    EXPECT_FALSE(CheckElementDialog(ElementClass::Contact, data, comments, messages));
    data.address = "0012";
    EXPECT_FALSE(CheckElementDialog(ElementClass::Contact, data, comments, messages));
    EXPECT_EQ(messages.boxes.size(), 3u);

    CElemCommentData comment{"X0001.2", "S", "", ""};
    EXPECT_TRUE(CheckElemCommentDialog(comment, messages));
    comment.address = "";
    EXPECT_FALSE(CheckElemCommentDialog(comment, messages));
    EXPECT_EQ(messages.boxes.back().text, "Address error!");
}

}  // namespace
}  // namespace varno::test
