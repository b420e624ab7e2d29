#include <gtest/gtest.h>

#include "editor/find_key.h"
#include "editor_fixture.h"
#include "model/address.h"

namespace varno::test {
namespace {

CCellPos Caret(const CLadderView& view) {
    return CCellPos{view.CaretRow(), view.CaretColumn()};
}

TEST(Find, AnAddressFindsTheNextContactOrCoilAndWrapsToTheTop) {
    CEditorFixture f;
    f.Reset(6);
    f.L().PutElement(1, 3, Contact('X', 10, 3));
    f.L().PutElement(4, 7, Coil('X', 10, 3));
    f.L().PutElement(2, 0, Contact('X', 10, 2));  // another bit
    f.view.SetCaret(1, 3, false);
    f.dialogs.finds.push_back("x0010.3");
    f.view.OnFind();
    EXPECT_EQ(f.dialogs.findsShown.back(), "X0010.3");
    EXPECT_EQ(Caret(f.view), (CCellPos{4, 7}));
    f.view.OnRepeat();
    EXPECT_EQ(Caret(f.view), (CCellPos{1, 3}));

    // The only match is found again.
    f.L().RemoveElement(4, 7);
    f.view.OnRepeat();
    EXPECT_EQ(Caret(f.view), (CCellPos{1, 3}));
}

TEST(Find, NamesFindBlocksAndOperandsFindTheirRow) {
    CEditorFixture f;
    f.Reset(10);
    ASSERT_NE(f.L().PlaceBlock(0, 0, Block(FUNC_TMR, {Const(1)}), false), nullptr);
    ASSERT_NE(f.L().PlaceBlock(2, 4, Block(FUNC_MOVB, {Addr('R', 7), Addr('R', 100)}), false),
              nullptr);
    ASSERT_NE(f.L().PlaceBlock(6, 0, Block(FUNC_TMR, {Const(2)}), false), nullptr);

    f.view.SetCaret(0, 1, false);
    f.dialogs.finds.push_back("tmr");
    f.view.OnFind();
    EXPECT_EQ(f.dialogs.findsShown.back(), "TMR");  // pre-filled with the block's name
    EXPECT_EQ(Caret(f.view), (CCellPos{6, 0}));
    f.view.OnRepeat();
    EXPECT_EQ(Caret(f.view), (CCellPos{0, 0}));

    // R0100 has no full stop: an operand search, landing on the operand's row.
    f.dialogs.finds.push_back("R0100");
    f.view.OnFind();
    EXPECT_EQ(Caret(f.view), (CCellPos{3, 6}));
    // On an operand's own row and column the dialog opens with that operand.
    f.view.OnFind();
    EXPECT_EQ(f.dialogs.findsShown.back(), "R0100");
    f.view.SetCaret(2, 5, false);
    f.view.OnFind();
    EXPECT_EQ(f.dialogs.findsShown.back(), "MOVB");
}

TEST(Find, SymbolsAreMatchedExactlyAfterUpperCasing) {
    CEditorFixture f;
    f.Reset(4);
    f.L().PutElement(1, 1, Contact('X', 1, 0));
    f.L().PutElement(2, 2, Contact('X', 2, 0));
    f.L().PutElement(3, 3, Contact('X', 3, 0));
    f.project.comments.SetComment(LDADDR{'X', 0, 1}, "start", "", "");
    f.project.comments.SetComment(LDADDR{'X', 0, 2}, "STOP", "", "");
    // A double-byte symbol whose second byte reads as a lower-case letter stays as it is.
    f.project.comments.SetComment(LDADDR{'X', 0, 3}, "\xB0\x61", "", "");

    f.dialogs.finds.push_back("start");  // becomes START: the lower-case symbol is not found
    f.view.OnFind();
    EXPECT_EQ(Caret(f.view), (CCellPos{0, 0}));
    f.dialogs.finds.push_back("stop");
    f.view.OnFind();
    EXPECT_EQ(Caret(f.view), (CCellPos{2, 2}));
    EXPECT_EQ(f.view.FindKey().kind, LDCMD_BASIC);  // the key is the element found
    f.dialogs.finds.push_back("\xB0\x61");
    f.view.OnFind();
    EXPECT_EQ(Caret(f.view), (CCellPos{3, 3}));
    f.view.OnRepeat();
    EXPECT_EQ(Caret(f.view), (CCellPos{3, 3}));
}

TEST(Find, TextsThatMakeNoKeyFindNothing) {
    EXPECT_EQ(BuildFindKey("X10.8").kind, LDCMD_NONE);
    EXPECT_EQ(BuildFindKey("10.3").kind, LDCMD_NONE);
    EXPECT_EQ(BuildFindKey("ABCD").kind, LDCMD_NONE);
    EXPECT_EQ(BuildFindKey("-5").kind, LDCMD_NONE);
    EXPECT_EQ(BuildFindKey("X10.").kind, LDCMD_BASIC);
    EXPECT_EQ(BuildFindKey(" SUBB ").kind, LDCMD_FUNC);
    EXPECT_EQ(BuildFindKey("12").kind, LDCMD_OPERAND);

    CEditorFixture f;
    f.Reset(3);
    f.L().PutElement(2, 2, Contact('X', 10, 0));
    f.view.SetCaret(0, 0, false);
    for (const char* text : {"", "X10.8", "XYZW"}) {
        f.dialogs.finds.push_back(text);
        f.view.OnFind();
        EXPECT_EQ(Caret(f.view), (CCellPos{0, 0})) << text;
    }
    f.view.OnFind();  // cancelled
    EXPECT_EQ(Caret(f.view), (CCellPos{0, 0}));
}

TEST(Batch, TheWholeLadderMovesEachAddressOnceAndUndoesInOneStep) {
    CEditorFixture f;
    f.Reset(8);
    f.L().PutElement(0, 0, Contact('R', 5, 1));
    f.L().PutElement(0, 7, Coil('R', 101, 0));
    f.L().PutElement(1, 0, Contact('X', 5, 0));
    ASSERT_NE(f.L().PlaceBlock(2, 0, Block(FUNC_MOVB, {Addr('R', 5), Addr('R', 100)}), false),
              nullptr);
    ASSERT_NE(f.L().PlaceBlock(2, 4, Codb(4, 2), false), nullptr);  // R0010 and R0020 operands
    f.L().PutElement(7, 0, Contact('R', 0, 0));  // the last row: a row is added below it
    const auto before = Snapshot(f.L());

    f.dialogs.batches.push_back(CBatchDialogData{4, "0", "100", 10, 1});
    f.view.OnEditBatch();
    EXPECT_EQ(f.dialogs.batchesShown.back().start, "0000");  // X's range
    EXPECT_EQ(f.dialogs.batchesShown.back().end, "0127");
    EXPECT_EQ(FormatAddress(f.L().GetCell(0, 0)->Address(), true), "R0015.1");
    EXPECT_EQ(FormatAddress(f.L().GetCell(0, 7)->Address(), true), "R0101.0");
    EXPECT_EQ(FormatAddress(f.L().GetCell(1, 0)->Address(), true), "X0005.0");
    const CLDCell& movb = *f.L().GetCell(2, 0);
    EXPECT_EQ(FormatOperand(*movb.Operand(0), false), "R0015");
    EXPECT_EQ(FormatOperand(*movb.Operand(1), false), "R0110");
    const CLDCell& codb = *f.L().GetCell(2, 4);
    EXPECT_EQ(FormatOperand(*codb.Operand(2), false), "R0020");
    EXPECT_EQ(FormatOperand(*codb.Operand(3), false), "R0030");
    EXPECT_EQ(codb.Operands()[4].Constant(), 100);  // table items are not addresses
    EXPECT_EQ(FormatAddress(f.L().GetCell(7, 0)->Address(), true), "R0010.0");

    f.view.OnUndo();
    EXPECT_EQ(Snapshot(f.L()), before);
}

TEST(Batch, StartAndEndAreReadAsNumbersAndTheAmountWraps) {
    CEditorFixture f;
    f.Reset(3);
    f.L().PutElement(0, 0, Contact('D', 0, 0));
    f.L().PutElement(0, 1, Contact('D', 1, 0));
    f.L().PutElement(0, 2, Contact('D', 65530, 0));
    f.L().PutElement(1, 0, Contact('D', 7, 0));

    // Empty texts read as 0: only byte number 0 moves. 65546 adds 10.
    f.dialogs.batches.push_back(CBatchDialogData{5, "", "", 65546, 1});
    f.view.OnEditBatch();
    EXPECT_EQ(f.L().GetCell(0, 0)->Address().number, 10);
    EXPECT_EQ(f.L().GetCell(0, 1)->Address().number, 1);

    // The selection only, and a byte number wrapping past 65535.
    f.view.SetCaret(0, 2, false);
    f.dialogs.batches.push_back(CBatchDialogData{5, "65000", "x", 10, 0});
    f.view.OnEditBatch();
    EXPECT_EQ(f.L().GetCell(0, 2)->Address().number, 65530);  // end "x" is 0
    f.dialogs.batches.push_back(CBatchDialogData{5, "65000", "65535", 10, 0});
    f.view.OnEditBatch();
    EXPECT_EQ(f.L().GetCell(0, 2)->Address().number, 4);
    EXPECT_EQ(f.L().GetCell(1, 0)->Address().number, 7);

    // Nothing matched: a group was opened, nothing recorded.
    const int records = f.doc.History().Count();
    f.dialogs.batches.push_back(CBatchDialogData{0, "0", "100", 1, 1});
    f.view.OnEditBatch();
    EXPECT_EQ(f.doc.History().Count(), records);
    f.view.OnEditBatch();  // cancelled
    EXPECT_EQ(f.doc.History().Count(), records);
}

}  // namespace
}  // namespace varno::test
