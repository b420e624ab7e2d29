#include <gtest/gtest.h>

#include <random>

#include "editor/undo_history.h"
#include "editor_fixture.h"
#include "support/hex.h"

namespace varno::test {
namespace {

TEST(UndoHistory, RecordsCarryKindFlagsAndTheCellOrRowBytes) {
    CUndoHistory h;
    h.BeginGroup();
    CLDCell empty;
    h.PushCell(false, 0, 0, &empty);  // an empty cell is never recorded
    h.PushCell(false, 0, 0, nullptr);
    EXPECT_EQ(h.Count(), 0);
    EXPECT_TRUE(h.GroupPending());

    const CLDCell contact = Contact('X', 10, 3);
    h.PushCell(true, 3, 4, &contact);
    h.PushLine(false, 5, 6);
    CLDRow comment("AB", "");
    h.PushRow(true, 7, comment);
    ASSERT_EQ(h.Count(), 3);
    EXPECT_EQ(h.Position(), 3);
    EXPECT_EQ(h.Record(0).kind, 0xC001);  // inserted cell opening the group
    EXPECT_EQ(ToHex(std::string(h.Record(0).data.begin(), h.Record(0).data.end())),
              "10 00 01 00 58 03 0A 00");
    EXPECT_EQ(h.Record(0).row, 3);
    EXPECT_EQ(h.Record(0).column, 4);
    EXPECT_EQ(h.Record(1).kind, UNDO_VLINE);
    EXPECT_EQ(h.Record(1).Length(), 0u);
    EXPECT_EQ(h.Record(2).kind, 0x8002);
    EXPECT_EQ(ToHex(std::string(h.Record(2).data.begin(), h.Record(2).data.end())),
              "2F 00 00 00 02 00 00 00 41 42");
    // A block's record carries its operand records after the cell.
    const CLDCell tmr = Block(FUNC_TMR, {Const(3)});
    h.PushCell(false, 0, 0, &tmr);
    EXPECT_EQ(h.Record(3).Length(), 16u);
}

TEST(UndoHistory, TrimAtTheLimitKeepsTheNewestThirdAndNeverPointsPastTheEnd) {
    CLadder ladder;
    ladder.InsertRow(0);
    CUndoHistory h;
    for (int i = 0; i < 1024; ++i) {
        h.BeginGroup();
        h.PushLine(true, 0, 1 + i % 7);
    }
    EXPECT_EQ(h.Count(), 1024);
    // The next push drops the oldest 682 records: 342 old ones plus the new one remain.
    h.BeginGroup();
    h.PushLine(true, 0, 1);
    EXPECT_EQ(h.Count(), 343);
    EXPECT_EQ(h.Position(), 343);
    int undone = 0;
    while (h.Undo(ladder)) {
        ++undone;
    }
    EXPECT_EQ(undone, 343);

    // A push that records nothing after a trim leaves the position at the record count.
    CUndoHistory g;
    g.SetLimit(9);
    for (int i = 0; i < 9; ++i) {
        g.BeginGroup();
        g.PushLine(true, 0, 1);
    }
    g.PushCell(false, 0, 0, nullptr);
    EXPECT_EQ(g.Count(), 3);  // 9 - 9*2/3
    EXPECT_EQ(g.Position(), g.Count());
    EXPECT_FALSE(g.CanRedo());
}

TEST(UndoHistory, UndoStopsAtAGroupStartOrAtTheFirstRecord) {
    CLadder ladder;
    ladder.InsertRow(0);
    ladder.InsertRow(1);
    CUndoHistory h;
    // A group cut by the trim: its remnant has no group start and undoes down to record 0.
    h.PushLine(true, 1, 1);
    h.PushLine(true, 1, 2);
    ladder.SetVLine(1, 1);
    ladder.SetVLine(1, 2);
    h.BeginGroup();
    h.PushLine(true, 1, 3);
    ladder.SetVLine(1, 3);

    ASSERT_TRUE(h.Undo(ladder));
    EXPECT_EQ(h.Position(), 2);
    EXPECT_FALSE(ladder.GetCell(1, 3)->VLine());
    EXPECT_TRUE(ladder.GetCell(1, 2)->VLine());
    ASSERT_TRUE(h.Undo(ladder));
    EXPECT_EQ(h.Position(), 0);
    EXPECT_FALSE(ladder.GetCell(1, 1)->VLine());
    EXPECT_FALSE(h.Undo(ladder));

    // Redo runs up to the next group start.
    ASSERT_TRUE(h.Redo(ladder));
    EXPECT_EQ(h.Position(), 2);
    EXPECT_TRUE(ladder.GetCell(1, 1)->VLine());
    EXPECT_FALSE(ladder.GetCell(1, 3)->VLine());

    // A new change discards the undone tail, even when it records nothing.
    h.PushCell(false, 0, 0, nullptr);
    EXPECT_EQ(h.Count(), 2);
    EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, ALineInColumnZeroChangesNothingEitherWay) {
    CLadder ladder;
    ladder.InsertRow(0);
    const auto before = Snapshot(ladder);
    CUndoHistory h;
    h.BeginGroup();
    h.PushLine(true, 0, 0);
    ASSERT_TRUE(h.Undo(ladder));
    EXPECT_EQ(Snapshot(ladder), before);
    ASSERT_TRUE(h.Redo(ladder));
    EXPECT_EQ(Snapshot(ladder), before);
}

TEST(UndoHistory, ACommentRowTooLongForTheFileStillComesBack) {
    CEditorFixture f;
    f.Reset(2);
    const std::string longText(70000, 'x');
    f.doc.BeginUndoGroup();
    f.doc.InsertCommentRow(1, longText, "b");
    f.doc.BeginUndoGroup();
    f.doc.DeleteRow(1);
    ASSERT_EQ(f.L().RowCount(), 2);
    ASSERT_TRUE(f.doc.Undo());
    ASSERT_TRUE(f.L().GetRow(1)->IsComment());
    EXPECT_EQ(f.L().GetRow(1)->Comment(1), longText);
    EXPECT_EQ(f.L().GetRow(1)->Comment(2), "b");
}

// Rows inserted or deleted in runs at one index are applied together; the result must be
// what applying the records one by one gives.
TEST(UndoHistory, RowRunsGiveWhatOneByOneGives) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        CEditorFixture f;
        f.Reset(6);
        for (int i = 0; i < 6; ++i) {
            f.L().PutElement(i, 0, Contact('X', static_cast<std::uint16_t>(i), 0));
        }
        std::vector<std::vector<std::string>> states{Snapshot(f.L())};
        for (int step = 0; step < 6; ++step) {
            const int recorded = f.doc.History().Count();
            f.doc.BeginUndoGroup();
            const int rows = f.L().RowCount();
            const int at = static_cast<int>(rng() % static_cast<unsigned>(rows + 2));
            const int count = 1 + static_cast<int>(rng() % 4);
            switch (rng() % 4) {
                case 0:
                    f.doc.InsertRows(at, nullptr, count);
                    break;
                case 1: {
                    CLDRow comment("c" + std::to_string(step), "");
                    f.doc.InsertRows(at, &comment, count);
                    break;
                }
                case 2:
                    f.doc.DeleteRows(at, count);
                    break;
                default:
                    f.doc.DeleteRows(at, 1);
                    f.doc.InsertRows(at, nullptr, count);
                    f.doc.DeleteRows(at > 0 ? at - 1 : 0, count);
                    break;
            }
            if (f.doc.History().Count() > recorded) {  // a step that did nothing has no group
                states.push_back(Snapshot(f.L()));
            }
        }
        const int groups = static_cast<int>(states.size()) - 1;
        for (int step = groups; step > 0; --step) {
            ASSERT_TRUE(f.doc.Undo());
            ASSERT_EQ(Snapshot(f.L()), states[static_cast<std::size_t>(step) - 1]) << round;
        }
        EXPECT_FALSE(f.doc.CanUndo());
        for (int step = 1; step <= groups; ++step) {
            ASSERT_TRUE(f.doc.Redo());
            ASSERT_EQ(Snapshot(f.L()), states[static_cast<std::size_t>(step)]) << round;
        }
    }
}

TEST(UndoHistory, ARecordsSizeFollowsTheChangeNotTheProgram) {
    CEditorFixture f;
    f.Reset(5000);
    f.doc.BeginUndoGroup();
    f.doc.PlaceElement(2500, 3, Contact('X', 1, 0));
    // The empty cell replaced is not recorded; the contact is one 8-byte cell record.
    ASSERT_EQ(f.doc.History().Count(), 1);
    EXPECT_EQ(f.doc.History().Record(0).Length(), 8u);
    EXPECT_LE(f.doc.History().Record(0).data.capacity(), 64u);
    f.doc.BeginUndoGroup();
    f.doc.DeleteRow(100);
    EXPECT_EQ(f.doc.History().Record(1).Length(), 16u);  // header and one run of 8 empties
}

}  // namespace
}  // namespace varno::test
