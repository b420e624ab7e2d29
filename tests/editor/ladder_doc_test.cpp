#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "model/ladder_file.h"
#include "support/temp_dir.h"

namespace varno::test {
namespace {

TEST(LadderDoc, OpensProjectProgramsByExactNameAndFilesByPath) {
    CRecordingMessages messages;
    CMemoryProject project;
    project.programs.ResetToNewProject();
    CLadderDoc doc(project, messages);
    EXPECT_FALSE(doc.OnOpenDocument("level1"));
    ASSERT_TRUE(doc.OnOpenDocument("LEVEL1"));
    EXPECT_EQ(&doc.GetLadder(), project.programs.FindByName("LEVEL1"));
    EXPECT_FALSE(doc.IsOwnLadder());

    // A project program's changes go to the project's flag; the document never asks.
    doc.SetModified(true);
    EXPECT_TRUE(project.laddersModified);
    EXPECT_FALSE(doc.IsModified());

    CTempDir dir;
    CLadderDoc file(project, messages);
    EXPECT_FALSE(file.OnOpenDocument(dir.File("missing.vld")));
    WriteFileBytes(dir.File("junk.vld"), "not a ladder");
    ASSERT_TRUE(file.OnOpenDocument(dir.File("junk.vld")));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Can't recognize the file!");
    EXPECT_EQ(messages.boxes[0].caption, "Error");
    EXPECT_TRUE(file.IsOwnLadder());
    EXPECT_EQ(file.GetLadder().RowCount(), 0);
    EXPECT_EQ(file.History().Count(), 0);
}

TEST(LadderDoc, SavingAnOwnLadderWritesItsFileAndReloadsTheProject) {
    CTempDir dir;
    CEditorFixture f;
    f.project.ladderFile = dir.File("project.vld");
    f.project.programs.ResetToNewProject();
    ASSERT_TRUE(f.project.SavePrograms("", nullptr));
    f.Reset(2);
    f.doc.PlaceElement(0, 0, Contact('X', 1, 2));
    EXPECT_TRUE(f.doc.IsModified());
    ASSERT_TRUE(f.doc.OnSaveDocument(dir.File("own.vld")));
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_EQ(f.project.reloads, 1);

    CLadderDoc again(f.project, f.messages);
    ASSERT_TRUE(again.OnOpenDocument(dir.File("own.vld")));
    EXPECT_EQ(Snapshot(again.GetLadder()), Snapshot(f.L()));

    // A program's document saves the whole list.
    f.project.programs.NewSubprogram("P0010");
    CLadderDoc program(f.project, f.messages);
    ASSERT_TRUE(program.OnOpenDocument("LEVEL2"));
    program.SetModified(true);
    ASSERT_TRUE(program.Save());
    EXPECT_FALSE(f.project.laddersModified);
    CLadderList reread;
    ASSERT_TRUE(ReadProgramSet(f.project.ladderFile, reread));
    EXPECT_NE(reread.FindByName("P0010"), nullptr);
}

TEST(LadderDoc, ASaveTheFileCannotHoldLeavesTheOldFile) {
    CTempDir dir;
    CEditorFixture f;
    f.Reset(1);
    WriteFileBytes(dir.File("own.vld"), "old");
    f.doc.InsertCommentRow(0, std::string(70000, 'a'), "");
    EXPECT_FALSE(f.doc.OnSaveDocument(dir.File("own.vld")));
    EXPECT_EQ(ReadFileBytes(dir.File("own.vld")), "old");
    ASSERT_EQ(f.messages.boxes.size(), 1u);
    EXPECT_TRUE(f.doc.IsModified());
}

TEST(LadderDoc, ClearCellReplacesACommentRowWithAnEmptyElementRow) {
    CEditorFixture f;
    f.Reset(2);
    f.doc.InsertCommentRow(1, "note", "");
    f.doc.History().Clear();
    f.doc.ClearCell(1, 3);
    EXPECT_FALSE(f.L().GetRow(1)->IsComment());
    EXPECT_TRUE(f.L().GetRow(1)->IsEmpty());
    ASSERT_EQ(f.doc.History().Count(), 2);
    EXPECT_EQ(f.doc.History().Record(0).kind, UNDO_ROW);
    EXPECT_EQ(f.doc.History().Record(1).kind, UNDO_ROW | UNDO_INSERTED);
}

TEST(LadderDoc, PlaceElementKeepsARowBelowAndTheCellsVerticalLine) {
    CEditorFixture f;
    f.Reset(5);                                                   // r = 3, r + 2 rows
    CLDCell* block = f.doc.PlaceElement(3, 0, Block(FUNC_MOVB));  // 3 rows high
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(f.L().RowCount(), 7);

    f.L().SetVLine(0, 2);
    f.doc.PlaceElement(0, 2, Contact('X', 0, 0));
    EXPECT_TRUE(f.L().GetCell(0, 2)->VLine());
    EXPECT_TRUE(f.L().GetCell(0, 2)->IsContact());

    // A failed put records nothing for it and leaves the ladder as it was for that step.
    f.doc.History().Clear();
    f.L().PutElement(1, 6, Contact('X', 9, 0));
    EXPECT_EQ(f.doc.PlaceElement(1, 5, Block(FUNC_TMR, {Const(1)})), nullptr);
    EXPECT_TRUE(f.L().GetCell(1, 6)->IsContact());
    for (int i = 0; i < f.doc.History().Count(); ++i) {
        EXPECT_FALSE(f.doc.History().Record(i).Inserted() &&
                     f.doc.History().Record(i).Type() == UNDO_CELL);
    }
}

TEST(LadderDoc, InsertRowsStacksCopiesAtOneIndex) {
    CEditorFixture f;
    f.Reset(2);
    f.doc.History().Clear();
    f.doc.InsertRows(1, nullptr, 3);
    EXPECT_EQ(f.L().RowCount(), 5);
    ASSERT_EQ(f.doc.History().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.doc.History().Record(i).row, 1);
        EXPECT_TRUE(f.doc.History().Record(i).Inserted());
    }
    // Beyond the end they are appended and recorded where they landed.
    f.doc.BeginUndoGroup();
    f.doc.InsertRows(99, nullptr, 1);
    EXPECT_EQ(f.doc.History().Record(3).row, 5);
    ASSERT_TRUE(f.doc.Undo());
    EXPECT_EQ(f.L().RowCount(), 5);
}

TEST(LadderDoc, VerticalLinePrimitives) {
    CEditorFixture f;
    f.Reset(3);
    f.doc.InsertCommentRow(1, "c", "");
    f.doc.History().Clear();
    f.doc.RemoveVerticalLine(1, 3);  // a comment row has no cell
    f.doc.RemoveVerticalLine(0, 3);  // no line there
    EXPECT_EQ(f.doc.History().Count(), 0);

    // A line onto a comment row pushes it down below a new element row.
    f.doc.AddVerticalLine(1, 3);
    EXPECT_TRUE(f.L().GetCell(1, 3)->VLine());
    EXPECT_TRUE(f.L().GetRow(2)->IsComment());
    // A line on the last row appends one below it.
    const int last = f.L().RowCount() - 1;
    f.doc.AddVerticalLine(last, 4);
    EXPECT_EQ(f.L().RowCount(), last + 2);

    // Adding a line that is there already records nothing, so undo cannot take it away.
    f.doc.History().Clear();
    f.doc.BeginUndoGroup();
    f.doc.AddVerticalLine(1, 3);
    EXPECT_FALSE(f.doc.CanUndo());
    EXPECT_TRUE(f.L().GetCell(1, 3)->VLine());
}

TEST(LadderDoc, DrawLineRightOverABlockIsUndoneInOneStep) {
    CEditorFixture f;
    f.Reset(4);
    ASSERT_NE(f.doc.PlaceElement(0, 2, Block(FUNC_PARI, {Addr('R', 1)})), nullptr);
    f.L().SetVLine(1, 2);
    const auto before = Snapshot(f.L());
    f.doc.BeginUndoGroup();
    f.doc.DrawLineRight(0, 0, 7);
    for (int c = 0; c < 8; ++c) {
        EXPECT_TRUE(f.L().GetCell(0, c)->IsHLine());
    }
    // The block's lower rows were cleared with it, the vertical line kept.
    EXPECT_TRUE(f.L().GetCell(1, 2)->IsEmpty());
    EXPECT_TRUE(f.L().GetCell(1, 2)->VLine());
    ASSERT_TRUE(f.doc.Undo());
    EXPECT_EQ(Snapshot(f.L()), before);
    ASSERT_TRUE(f.doc.Redo());
    EXPECT_TRUE(f.L().GetCell(0, 2)->IsHLine());
    EXPECT_EQ(f.L().GetCell(1, 2)->Kind(), LDCMD_NONE);
}

TEST(LadderDoc, NewDocumentHasOneEmptyRowAndNothingToUndo) {
    CRecordingMessages messages;
    CMemoryProject project;
    CLadderDoc doc(project, messages);
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetLadder().RowCount(), 1);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace varno::test

namespace varno::test {
namespace {

// What the editor relies on from the model where a row is missing.
TEST(LadderDoc, MissingRowsFailWithoutFurtherChanges) {
    CLadder ladder;
    ladder.InsertRow(0);
    ladder.InsertRow(1);
    // Row 5 is still missing after the one row appended on the way: nothing more happens.
    EXPECT_EQ(ladder.PlaceBlock(5, 0, Block(FUNC_TMR, {Const(1)}), false), nullptr);
    EXPECT_EQ(ladder.RowCount(), 3);
    for (const CLDRow& row : ladder) {
        EXPECT_TRUE(row.IsEmpty());
    }
    // A comment row two display rows high: display row 2 exists, row index 2 does not.
    CLDRow comment("a\nb\nc", "");
    CLadder tall;
    tall.InsertRow(0, &comment);
    tall.InsertRow(1);
    ASSERT_EQ(tall.DisplayRowCount(), 3);
    CElemInfo info;
    EXPECT_FALSE(tall.LocateRow(2, 0, info));
    EXPECT_TRUE(tall.LocateRow(1, 0, info));
}

}  // namespace
}  // namespace varno::test
