#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "model/address.h"

namespace varno::test {
namespace {

CElementDialogData Answer(int type, std::string address) {
    return CElementDialogData{type, std::move(address)};
}

TEST(Commands, CoilDrawsLinesToColumnSevenAndUndoesInOneStep) {
    CEditorFixture f;
    f.Reset(3);
    f.L().PutElement(0, 0, Contact('X', 0, 0));
    ASSERT_NE(f.L().PlaceBlock(0, 3, Block(FUNC_TMR, {Const(1)}), false), nullptr);
    f.L().PutElement(0, 7, Contact('X', 7, 0));
    const auto before = Snapshot(f.L());

    f.view.SetCaret(0, 2, false);
    f.dialogs.elements.push_back(Answer(1, "Y0001.2"));
    f.view.OnCoil();
    for (int c = 2; c <= 6; ++c) {
        EXPECT_TRUE(f.L().GetCell(0, c)->IsHLine()) << c;
    }
    EXPECT_TRUE(f.L().GetCell(1, 3)->IsEmpty());  // the timer's lower row went with it
    const CLDCell& coil = *f.L().GetCell(0, 7);
    EXPECT_EQ(coil.Code(), BASIC_WRT_NOT);
    EXPECT_EQ(FormatAddress(coil.Address(), true), "Y0001.2");
    EXPECT_EQ((CCellPos{f.view.CaretRow(), f.view.CaretColumn()}), (CCellPos{1, 0}));
    // The dialog opened on a cell that is no coil: first type, empty address.
    ASSERT_EQ(f.dialogs.elementsShown.size(), 1u);
    EXPECT_EQ(f.dialogs.elementsShown[0].typeIndex, 0);
    EXPECT_EQ(f.dialogs.elementsShown[0].address, "");

    f.view.OnUndo();
    EXPECT_EQ(Snapshot(f.L()), before);
    EXPECT_FALSE(f.doc.CanUndo());

    // In column 7 the coil replaces what is there and draws nothing else.
    f.view.SetCaret(0, 7, false);
    f.dialogs.elements.push_back(Answer(0, "Y0000.0"));
    f.view.OnCoil();
    EXPECT_TRUE(f.L().GetCell(0, 7)->IsCoil());
    EXPECT_TRUE(f.L().GetCell(0, 3)->IsFunc());
}

TEST(Commands, ContactReplacesAWholeBlockAndStartsFromAContactsValues) {
    CEditorFixture f;
    f.Reset(3);
    ASSERT_NE(f.L().PlaceBlock(0, 0, Block(FUNC_TMR, {Const(1)}), false), nullptr);
    f.view.SetCaret(1, 2, false);  // the timer's lower row
    f.dialogs.elements.push_back(Answer(2, "X0004.5"));
    f.view.OnContact();
    const CLDCell& contact = *f.L().GetCell(0, 0);
    EXPECT_EQ(contact.Code(), BASIC_RDPT);
    EXPECT_TRUE(f.L().GetRow(0)->IsEmpty(1, -1));
    EXPECT_EQ((CCellPos{f.view.CaretRow(), f.view.CaretColumn()}), (CCellPos{1, 3}));

    f.view.SetCaret(0, 0, false);
    f.view.OnContact();  // cancelled
    EXPECT_EQ(f.dialogs.elementsShown.back().typeIndex, 2);
    EXPECT_EQ(f.dialogs.elementsShown.back().address, "X0004.5");
}

TEST(Commands, ElementAddressChecks) {
    CEditorFixture f;
    f.Reset(2);
    f.project.comments.SetComment(LDADDR{'X', 1, 3}, "START", "", "");
    f.project.comments.SetComment(LDADDR{'X', 0, 5}, "", "no symbol", "");
    f.view.SetCaret(0, 0, false);

    // A symbol stands for its address.
    f.dialogs.elements.push_back(Answer(0, "START"));
    f.view.OnContact();
    EXPECT_EQ(FormatAddress(f.L().GetCell(0, 0)->Address(), true), "X0003.1");
    EXPECT_TRUE(f.messages.boxes.empty());

    // A plain number, an empty text, a coil on X and an address out of range are refused.
    for (const char* text : {"10", "", "X0200.0", "START"}) {
        f.view.SetCaret(1, 0, false);
        f.dialogs.elements.push_back(Answer(0, text));
        f.view.OnCoil();
        ASSERT_FALSE(f.messages.boxes.empty()) << text;
        EXPECT_EQ(f.messages.boxes.back().text, "Address error!");
        EXPECT_EQ(f.messages.boxes.back().caption, "Error");
        EXPECT_EQ(f.messages.boxes.back().icon, MbIcon::Error);
        EXPECT_TRUE(f.L().GetRow(1)->IsEmpty()) << text;
    }
    EXPECT_EQ(f.messages.boxes.size(), 4u);
}

TEST(Commands, InsertRowsGoAroundRungGroups) {
    CEditorFixture f;
    f.Reset(7);
    ASSERT_NE(f.L().PlaceBlock(1, 0, Block(FUNC_CTR, {Const(1)}), false), nullptr);
    f.view.SetCaret(3, 1, false);  // inside the counter's lower rows
    f.view.OnInsertRow();
    EXPECT_TRUE(f.L().GetCell(2, 0)->IsFunc());
    EXPECT_TRUE(f.L().GetRow(1)->IsEmpty());
    f.view.SetCaret(3, 1, false);
    f.view.OnInsertRowAfter();  // after the group of rows 2..6
    EXPECT_TRUE(f.L().GetRow(7)->IsEmpty());
    EXPECT_EQ(f.L().RowCount(), 9);

    f.dialogs.commentRows.push_back(std::make_pair(std::string("one"), std::string("two")));
    f.view.SetCaret(4, 0, false);
    f.view.OnInsertComment();
    EXPECT_TRUE(f.L().GetRow(2)->IsComment());
    EXPECT_EQ(f.L().GetRow(2)->Comment(2), "two");
    EXPECT_EQ(f.doc.History().Count(), 3);
}

TEST(Commands, BackspaceAndDelete) {
    CEditorFixture f;
    f.Reset(3);
    for (int c = 0; c < 4; ++c) {
        f.L().PutElement(0, c, Contact('X', static_cast<std::uint16_t>(c), 0));
    }
    f.L().PutElement(1, 7, Contact('X', 9, 0));
    f.L().SetVLine(0, 1);
    f.L().SetVLine(0, 2);

    f.view.SetCaret(0, 0, false);
    f.view.OnBackspace();
    EXPECT_TRUE(f.L().GetCell(0, 0)->IsEmpty());
    EXPECT_EQ(f.view.CaretColumn(), 0);

    f.view.SetCaret(1, 7, false);
    f.view.OnDelete();  // one element: cleared, caret to the next row's first column
    EXPECT_TRUE(f.L().GetCell(1, 7)->IsEmpty());
    EXPECT_EQ((CCellPos{f.view.CaretRow(), f.view.CaretColumn()}), (CCellPos{2, 0}));

    f.view.SelectRegion({0, 1}, {0, 3});
    ASSERT_EQ(f.view.Selection().GetCount(), 3u);
    f.view.OnDelete();  // several: cleared with their vertical lines, caret stays
    for (int c = 1; c < 4; ++c) {
        EXPECT_TRUE(f.L().GetCell(0, c)->IsEmpty());
        EXPECT_FALSE(f.L().GetCell(0, c)->VLine());
    }
    EXPECT_EQ((CCellPos{f.view.CaretRow(), f.view.CaretColumn()}), (CCellPos{0, 3}));
    EXPECT_EQ(f.view.Selection().GetCount(), 1u);
}

TEST(Commands, LineCommandsNeedAColumnAndARow) {
    CEditorFixture f;
    f.Reset(3);
    f.view.SetCaret(0, 0, false);
    f.view.OnLineDown();
    f.view.SetCaret(0, 3, false);
    f.view.OnLineUp();
    f.view.OnDeleteLineUp();
    EXPECT_EQ(f.doc.History().Count(), 0);

    f.view.OnLineDown();
    EXPECT_TRUE(f.L().GetCell(1, 3)->VLine());
    EXPECT_EQ(f.view.CaretRow(), 1);
    f.view.OnDeleteLineUp();
    EXPECT_FALSE(f.L().GetCell(1, 3)->VLine());
    EXPECT_EQ(f.view.CaretRow(), 0);

    f.view.OnLineRight();
    EXPECT_TRUE(f.L().GetCell(0, 3)->IsHLine());
    EXPECT_EQ(f.view.CaretColumn(), 4);

    // Towards a comment row nothing is removed.
    f.doc.InsertCommentRow(1, "c", "");
    f.view.SetCaret(0, 4, false);
    const auto before = Snapshot(f.L());
    f.view.OnDeleteLineDown();
    EXPECT_EQ(Snapshot(f.L()), before);
}

TEST(Commands, FunctionPlacesBlocksWithTheirOperandsAndLines) {
    CEditorFixture f;
    f.Reset(4);
    f.view.SetCaret(0, 0, false);
    f.dialogs.functions.push_back(FUNC_MOVB);
    f.dialogs.operands.push_back(std::vector<std::string>{"R0001", "R0002"});
    f.view.OnFunction();
    const CLDCell& movb = *f.L().GetCell(0, 0);
    ASSERT_TRUE(movb.IsFunc());
    EXPECT_EQ(FormatOperand(*movb.Operand(1), false), "R0002");
    for (int c = 4; c < 8; ++c) {
        EXPECT_TRUE(f.L().GetCell(0, c)->IsHLine()) << c;  // MOVB has no output
    }
    EXPECT_EQ(f.dialogs.functionsShown.back(), 0);

    // Property on the block edits its operands, the dialog showing the current ones.
    f.dialogs.operands.push_back(std::vector<std::string>{"R0007"});
    f.view.OnProperty();
    EXPECT_EQ(f.dialogs.operandsShown.back(), (std::vector<std::string>{"R0001", "R0002"}));
    EXPECT_EQ(FormatOperand(*f.L().GetCell(0, 0)->Operand(0), false), "R0007");
    EXPECT_EQ(FormatOperand(*f.L().GetCell(0, 0)->Operand(1), false), "R0002");
    f.view.OnFunction();  // cancelled, but it pre-selected the block's instruction
    EXPECT_EQ(f.dialogs.functionsShown.back(), FUNC_MOVB);
}

TEST(Commands, ATallerBlockAddsTheMissingRowsAfterTheRungGroup) {
    CEditorFixture f;
    f.Reset(4);
    ASSERT_NE(f.L().PlaceBlock(0, 0, Block(FUNC_TMR, {Const(1)}), false), nullptr);
    f.L().PutElement(2, 0, Contact('X', 2, 0));
    f.view.SetCaret(1, 1, false);
    f.dialogs.operands.push_back(std::vector<std::string>{"0005"});
    f.view.OnFunctionBox(FUNC_CTR);  // 5 rows over 2
    EXPECT_EQ(f.L().GetCell(0, 0)->Code(), FUNC_CTR);
    EXPECT_TRUE(f.L().GetCell(5, 0)->IsContact());
    EXPECT_EQ(f.L().GetCell(3, 0)->Kind(), LDCMD_FUNC_INPUT);
    f.view.OnUndo();
    EXPECT_EQ(f.L().GetCell(0, 0)->Code(), FUNC_TMR);
    EXPECT_TRUE(f.L().GetCell(2, 0)->IsContact());
}

TEST(Commands, PropertyActsOnWhatIsAtTheCaret) {
    CEditorFixture f;
    f.Reset(3);
    f.L().PutElement(0, 1, WireCell());
    f.view.SetCaret(0, 0, false);
    f.view.OnProperty();
    f.view.SetCaret(0, 1, false);
    f.view.OnProperty();
    EXPECT_TRUE(f.dialogs.elementsShown.empty());
    EXPECT_TRUE(f.dialogs.commentRowsShown.empty());

    // A block without operands is placed again; nothing is asked.
    ASSERT_NE(f.L().PlaceBlock(1, 0, Block(FUNC_END1), false), nullptr);
    f.view.SetCaret(1, 0, false);
    f.view.OnProperty();
    EXPECT_TRUE(f.dialogs.operandsShown.empty());
    EXPECT_GT(f.doc.History().Count(), 0);

    f.doc.InsertCommentRow(0, "old 1", "old 2");
    f.view.SetCaret(0, 5, false);
    f.view.OnFunctionBox(FUNC_TMR);  // a comment row has no cell
    EXPECT_TRUE(f.L().GetRow(0)->IsComment());
    f.dialogs.commentRows.push_back(std::make_pair(std::string("new 1"), std::string("")));
    f.view.OnProperty();
    EXPECT_EQ(f.dialogs.commentRowsShown.back(),
              std::make_pair(std::string("old 1"), std::string("old 2")));
    EXPECT_EQ(f.L().GetRow(0)->Comment(1), "new 1");
    EXPECT_EQ(f.project.refreshes, 1);
}

TEST(Commands, DeleteRowDeletesTheSelectedRowsAndPutsTheCaretWhereTheyWere) {
    CEditorFixture f;
    f.Reset(5);
    f.doc.InsertCommentRow(1, "a\nb\nc", "");  // two display rows high
    f.L().PutElement(5, 0, Contact('X', 5, 0));
    f.view.SelectRegion({3, 0}, {4, 0});  // rows 2 and 3
    ASSERT_EQ(f.view.Selection().MinRow(), 2);
    f.view.OnDeleteRow();
    EXPECT_EQ(f.L().RowCount(), 4);
    EXPECT_EQ((CCellPos{f.view.CaretRow(), f.view.CaretColumn()}), (CCellPos{3, 0}));
    EXPECT_EQ(f.view.Selection().GetCount(), 1u);
    EXPECT_EQ(f.view.Selection().MinRow(), 2);

    // The last rows: the caret falls off the end and the update moves it back up.
    f.view.SelectRegion({4, 0}, {4, 0});
    f.view.OnDeleteRow();
    EXPECT_EQ(f.L().RowCount(), 3);
    EXPECT_EQ(f.view.CaretRow(), 3);
    EXPECT_EQ(f.view.Selection().MinRow(), 2);
}

TEST(Commands, ElemCommentStoresTheTextsForTheElementsAddress) {
    CEditorFixture f;
    f.Reset(2);
    f.L().PutElement(0, 0, Contact('R', 5, 1));
    f.view.SetCaret(0, 0, false);
    f.dialogs.elemComments.push_back(CElemCommentData{"", "MOTOR", "runs", "turns"});
    f.view.OnElemComment();
    EXPECT_EQ(f.dialogs.elemCommentsShown.back().address, "R0005.1");
    EXPECT_EQ(f.project.comments.SymbolOf(LDADDR{'R', 1, 5}), "MOTOR");
    EXPECT_TRUE(f.project.comments.IsModified());
    EXPECT_EQ(f.doc.History().Count(), 0);
    EXPECT_NE(f.view.BarText().find("MOTOR"), std::string::npos);

    // An address that is no operand text is refused and nothing changes.
    f.L().PutElement(1, 0, CLDCell(CLDCmd::Basic(BASIC_RD, '#', 1, 0)));
    f.view.SetCaret(1, 0, false);
    f.dialogs.elemComments.push_back(CElemCommentData{"", "X", "", ""});
    f.view.OnElemComment();
    EXPECT_EQ(f.messages.boxes.back().text, "Address error!");
    EXPECT_EQ(f.project.comments.TotalCount(), 1u);
}

}  // namespace
}  // namespace varno::test
