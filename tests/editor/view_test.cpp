#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace varno::test {
namespace {

CCellPos Caret(const CLadderView& view) {
    return CCellPos{view.CaretRow(), view.CaretColumn()};
}

TEST(View, CaretKeysStopAtTheEdges) {
    CEditorFixture f;
    f.Reset(30);
    EXPECT_EQ(f.view.StatusText(), "ln0,col0");
    f.view.OnKeyLeft();
    f.view.OnKeyUp();
    EXPECT_EQ(Caret(f.view), (CCellPos{0, 0}));
    for (int i = 0; i < 9; ++i) {
        f.view.OnKeyRight();
    }
    EXPECT_EQ(f.view.CaretColumn(), 7);
    f.view.SetVisibleRows(12);
    f.view.OnPageDown();
    EXPECT_EQ(f.view.CaretRow(), 12);
    f.view.OnPageDown();
    f.view.OnPageDown();
    EXPECT_EQ(f.view.CaretRow(), 29);  // stops on the last display row
    f.view.OnKeyDown();
    EXPECT_EQ(f.view.CaretRow(), 29);
    f.view.OnPageUp();
    EXPECT_EQ(f.view.CaretRow(), 17);
    f.view.OnCtrlHome();
    EXPECT_EQ(Caret(f.view), (CCellPos{0, 0}));
    f.doc.InsertCommentRow(29, "a\nb\nc", "");  // the last row starts on display row 31
    f.view.OnCtrlEnd();
    EXPECT_EQ(Caret(f.view), (CCellPos{31, 0}));
    EXPECT_EQ(f.view.StatusText(), "ln31,col0");
}

// Lists that point into a program name a row by its index: comment rows above move the
// display row, and a row the program no longer has changes nothing.
TEST(View, GoToCellTakesARowIndexAndScrollsToIt) {
    constexpr int H = 56;  // the default cell height
    CEditorFixture f;
    f.Reset(200);
    f.view.SetClientSize(1000, 10 * H);
    f.doc.InsertCommentRow(5, "a\nb\nc", "");
    f.view.OnUpdate(HINT_LAYOUT);
    ASSERT_TRUE(f.view.GoToCell(150, 3));
    EXPECT_EQ(Caret(f.view), (CCellPos{151, 3}));  // the comment row is two display rows high
    EXPECT_EQ(f.view.StatusText(), "ln151,col3");
    EXPECT_TRUE(f.view.Scroll().Position().y <= 151 * H &&
                151 * H < f.view.Scroll().Position().y + 10 * H);
    ASSERT_TRUE(f.view.GoToCell(2, -1));
    EXPECT_EQ(Caret(f.view), (CCellPos{2, 0}));
    EXPECT_FALSE(f.view.GoToCell(201, 0));
    EXPECT_FALSE(f.view.GoToCell(-1, 0));
    EXPECT_EQ(Caret(f.view), (CCellPos{2, 0}));
}

TEST(View, TheBarShowsTheCommentsOfAContactsAddress) {
    CEditorFixture f;
    f.Reset(2);
    f.project.comments.SetComment(LDADDR{'X', 1, 2}, "START", "push", "two");
    f.L().PutElement(0, 0, Contact('X', 2, 1));
    f.view.SetCaret(0, 0, false);
    EXPECT_EQ(f.view.BarText(),
              "Address:X0002.1    Symbol:START      Comment1:push        comment2:two       ");
    f.view.SetCaret(0, 1, false);
    EXPECT_EQ(f.view.BarText(), "");
}

TEST(View, DraggingSelectsBlocksOnceWithTheirInputLines) {
    CEditorFixture f;
    f.Reset(6);
    ASSERT_NE(f.L().PlaceBlock(1, 2, Block(FUNC_PARI, {Addr('R', 1)}), false), nullptr);
    f.L().SetVLine(2, 2);  // feeds input 1
    f.L().SetVLine(3, 3);  // inside the block, not in an input column the drag touches
    f.L().PutElement(1, 0, Contact('X', 0, 0));
    f.view.OnLeftButtonDown({1, 2});
    EXPECT_TRUE(f.view.Dragging());
    f.view.OnLeftButtonUp({4, 2});
    const CSelect& s = f.view.Selection();
    ASSERT_EQ(s.GetCount(), 2u);
    EXPECT_TRUE(s.GetAt(0).cell->IsFunc());
    EXPECT_EQ(s.GetAt(1).row, 2);  // the line into input 1
    EXPECT_EQ(s.GetAt(1).column, 2);
    EXPECT_EQ(Caret(f.view), (CCellPos{4, 2}));  // the caret goes to the release cell
    EXPECT_EQ(s.BoxHeight(), 4);
    EXPECT_EQ(s.BoxWidth(), 4);

    // Dragging upwards and leftwards works the same; the caret still ends where released.
    f.view.OnLeftButtonDown({2, 3});
    f.view.OnLeftButtonUp({1, 0});
    EXPECT_EQ(Caret(f.view), (CCellPos{1, 0}));
    EXPECT_TRUE(s.Contains(1, 0));
    EXPECT_TRUE(s.Contains(1, 2));
    EXPECT_TRUE(s.Contains(2, 0));  // the empty cells below the contact are elements too
}

TEST(View, DraggingOverACommentRowAddsItOnce) {
    CEditorFixture f;
    f.Reset(4);
    f.doc.InsertCommentRow(1, "x\ny\nz", "");
    f.view.OnLeftButtonDown({1, 0});
    f.view.OnLeftButtonUp({2, 7});
    ASSERT_EQ(f.view.Selection().GetCount(), 1u);
    EXPECT_EQ(f.view.Selection().GetAt(0).cell, nullptr);
    EXPECT_EQ(f.view.ContextPopup(), LadderPopup::Comment);
    f.view.OnLeftButtonUp({0, 0});  // a release without a press does nothing
    EXPECT_EQ(f.view.Selection().GetCount(), 1u);
}

TEST(View, ARightClickKeepsAMultipleSelection) {
    CEditorFixture f;
    f.Reset(3);
    f.view.SelectRegion({0, 0}, {0, 2});
    f.view.OnRightButtonDown({2, 5});
    EXPECT_EQ(f.view.Selection().GetCount(), 4u);
    EXPECT_EQ(Caret(f.view), (CCellPos{2, 5}));
    f.view.SetCaret(0, 0, false);
    f.view.OnRightButtonDown({1, 1});
    EXPECT_EQ(f.view.Selection().GetCount(), 1u);
    EXPECT_TRUE(f.view.Selection().Contains(1, 1));
    EXPECT_EQ(f.view.ContextPopup(), LadderPopup::Null);
    f.L().PutElement(1, 1, Contact('X', 0, 0));
    EXPECT_EQ(f.view.ContextPopup(), LadderPopup::Base);
}

TEST(View, AnUpdateThatCannotPlaceTheCaretEmptiesTheSelection) {
    CEditorFixture f;
    f.Reset(10);
    CLadderView other(f.doc, f.dialogs, f.clipboard);
    other.OnInitialUpdate();
    other.SelectRegion({6, 0}, {8, 7});
    ASSERT_FALSE(other.Selection().IsEmpty());

    // The first view deletes rows 3..9; the other's caret (row 8) cannot come back.
    f.view.SelectRegion({3, 0}, {9, 0});
    f.view.OnDeleteRow();
    EXPECT_EQ(f.L().RowCount(), 3);
    EXPECT_TRUE(other.Selection().IsEmpty());
    EXPECT_EQ(other.CaretRow(), 7);
    // Its commands then find nothing at the caret and do nothing.
    other.OnLineRight();
    EXPECT_EQ(f.L().RowCount(), 3);
    // Undo brings the rows back; the other view's caret lands again.
    f.view.OnUndo();
    EXPECT_EQ(other.Selection().GetCount(), 1u);
    EXPECT_TRUE(other.Selection().Contains(7, 7));
}

}  // namespace
}  // namespace varno::test
