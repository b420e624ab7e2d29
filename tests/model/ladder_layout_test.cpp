#include <random>

#include <gtest/gtest.h>

#include "ladder_builders.h"
#include "model/ladder.h"

namespace varno {
namespace {

using test::Block;
using test::Codb;
using test::Contact;

// The hit test written as the plain walk over all rows, to hold the cached one against.
std::optional<CElemInfo> WalkLocate(const CLadder& ladder, int y, int x) {
    if (!ladder.InBounds(y, x)) {
        return std::nullopt;
    }
    int d = 0;
    int groupStart = 0;
    int groupEnd = 0;
    for (int i = 0; i < ladder.RowCount(); ++i) {
        CLDRow& row = *ladder.GetRow(i);
        int e = row.IsComment() ? row.DisplayHeight() : row.Extent();
        if (i >= groupEnd) {
            groupStart = i;
            groupEnd += row.IsComment() ? 1 : e;
        }
        if (y < d) {
            return std::nullopt;
        }
        if (y < d + e) {
            if (auto cov = row.FindCovering(x, y - d)) {
                return CElemInfo{cov->cell, i, cov->column, i + (y - d), groupEnd, groupStart};
            }
        }
        d += row.DisplayHeight();
    }
    return std::nullopt;
}

// NetworkEnd written as the plain walk over the rows.
int WalkNetworkEnd(const CLadder& ladder, int start) {
    if (ladder.GetRow(start) == nullptr) {
        return start;
    }
    int end = start + ladder.GetRow(start)->Extent();
    while (end < ladder.RowCount() && ladder.GetRow(end)->HasVLine()) {
        end += ladder.GetRow(end)->Extent();
    }
    return end;
}

void ExpectSameAsWalk(const CLadder& ladder, const std::string& where) {
    for (int start = -1; start <= ladder.RowCount(); ++start) {
        ASSERT_EQ(ladder.NetworkEnd(start), WalkNetworkEnd(ladder, start)) << where << " " << start;
    }
    int total = 0;
    for (int i = 0; i < ladder.RowCount(); ++i) {
        ASSERT_EQ(ladder.DisplayRowOf(i), total) << where << " row " << i;
        total += ladder.GetRow(i)->DisplayHeight();
    }
    ASSERT_EQ(ladder.DisplayRowCount(), total) << where;
    for (int y = -1; y <= total; ++y) {
        for (int x = -1; x <= 8; ++x) {
            auto got = ladder.Locate(y, x);
            auto want = WalkLocate(ladder, y, x);
            ASSERT_EQ(got.has_value(), want.has_value()) << where << " at " << y << "," << x;
            if (got) {
                ASSERT_EQ(got->cell, want->cell) << where << " at " << y << "," << x;
                ASSERT_EQ(got->row, want->row);
                ASSERT_EQ(got->column, want->column);
                ASSERT_EQ(got->lineRow, want->lineRow);
                ASSERT_EQ(got->groupStart, want->groupStart) << where << " at " << y << "," << x;
                ASSERT_EQ(got->groupEnd, want->groupEnd) << where << " at " << y << "," << x;
            }
        }
    }
}

TEST(LadderLayout, DisplayRowsAndRectangles) {
    CLadder ladder;
    EXPECT_EQ(ladder.DisplayRowCount(), 0);
    EXPECT_FALSE(ladder.InBounds(0, 0));
    EXPECT_EQ(ladder.PixelToCell(5000, 500), (CCellPos{0, 7}));
    ladder.InsertRow(0);
    ladder.InsertRow(1);
    CLDRow comment("a\nb\nc", "");
    ladder.InsertRow(2, &comment);
    ladder.InsertRow(3);
    EXPECT_EQ(ladder.DisplayRowCount(), 5);
    EXPECT_EQ(ladder.DisplayRowOf(3), 4);
    EXPECT_EQ(ladder.DisplayRowOf(99), 5);
    EXPECT_TRUE(ladder.InBounds(4, 7));
    EXPECT_FALSE(ladder.InBounds(5, 0));
    EXPECT_FALSE(ladder.InBounds(0, 8));

    ladder.SetOrigin(10, 20);
    EXPECT_EQ(ladder.CellRect(1, 2), (CRect{210, 76, 310, 132}));
    EXPECT_FALSE(ladder.CellRect(5, 0));
    EXPECT_EQ(ladder.LadderRect(), (CRect{10, 20, 810, 300}));
    EXPECT_EQ(ladder.PixelToCell(10 + 250, 20 + 57), (CCellPos{1, 2}));
    EXPECT_EQ(ladder.PixelToCell(-1000, -1000), (CCellPos{0, 0}));
    EXPECT_EQ(ladder.PixelToCell(5, 15), (CCellPos{0, 0}));  // truncated toward zero
    EXPECT_EQ(ladder.PixelToCell(5000, 5000), (CCellPos{4, 7}));

    ladder.SetCellSize(80, 40);
    EXPECT_EQ(ladder.WireLevel(), 15 + 5);
    EXPECT_EQ(ladder.CellRect(0, 0), (CRect{10, 20, 90, 60}));
    ladder.SetCellSize(0, -5);
    EXPECT_EQ(ladder.CellWidth(), 1);
    EXPECT_EQ(CLadder().WireLevel(), 21 + 7);

    // Editing a comment's text moves every row below it.
    ladder.GetRow(2)->SetComments("x", "");
    EXPECT_EQ(ladder.DisplayRowCount(), 4);
    EXPECT_EQ(ladder.DisplayRowOf(3), 3);
}

TEST(LadderLayout, LocateResolvesBlockAreasToTheirHead) {
    CLadder ladder;
    ladder.InsertRow(0);
    ladder.InsertRow(1);
    ladder.PlaceBlock(2, 1, Block(FUNC_CTR), true);
    ladder.InsertRow(7);

    auto info = ladder.Locate(4, 3);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->cell, ladder.GetCell(2, 1));
    EXPECT_EQ(info->row, 2);
    EXPECT_EQ(info->column, 1);
    EXPECT_EQ(info->lineRow, 4);
    EXPECT_EQ(info->groupStart, 2);
    EXPECT_EQ(info->groupEnd, 7);
    // Outside the block's columns the lower row answers for itself.
    info = ladder.Locate(4, 6);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->row, 4);
    EXPECT_EQ(info->groupStart, 2);
    EXPECT_FALSE(ladder.Locate(8, 0));

    CElemInfo byRow;
    byRow.lineRow = 77;
    ASSERT_TRUE(ladder.LocateRow(2, 3, byRow));
    EXPECT_EQ(byRow.cell, ladder.GetCell(2, 1));
    EXPECT_EQ(byRow.column, 1);
    EXPECT_EQ(byRow.lineRow, 77);
    EXPECT_FALSE(ladder.LocateRow(3, 8, byRow));

    // With comment rows above, a list index may pass the display bound without naming a row.
    CLadder comments;
    CLDRow tall("1\n2\n3\n4\n5", "");
    comments.InsertRow(0, &tall);
    EXPECT_EQ(comments.DisplayRowCount(), 3);
    EXPECT_FALSE(comments.LocateRow(1, 0, byRow));
    ASSERT_TRUE(comments.LocateRow(0, 5, byRow));
    EXPECT_EQ(byRow.cell, nullptr);
    EXPECT_EQ(byRow.column, 5);
    info = comments.Locate(2, 4);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->cell, nullptr);
    EXPECT_EQ(info->lineRow, 2);
    EXPECT_EQ(info->groupEnd, 1);
}

// Random ladders, changed through every path that alters their shape; after each change the
// cached answers must equal the plain walk.
TEST(LadderLayout, CachedAnswersNeverGoStale) {
    std::mt19937 rng(7);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int blocks[] = {FUNC_TMR, FUNC_CTR, FUNC_ROTB, FUNC_END1, FUNC_DIFU, FUNC_MOVB};
    for (int round = 0; round < 30; ++round) {
        CLadder ladder;
        for (int i = 0; i < 12; ++i) {
            ladder.InsertRow(i);
        }
        for (int step = 0; step < 25; ++step) {
            int row = pick(ladder.RowCount() + 1);
            int column = pick(8);
            switch (pick(10)) {
                case 0:
                    ladder.PlaceBlock(row, column, Block(blocks[pick(6)]), pick(2) == 0);
                    break;
                case 1:
                    ladder.PlaceBlock(row, pick(5), Codb(pick(2) ? 4 : 2, pick(30)), false);
                    break;
                case 2:
                    ladder.RemoveElement(row, column);
                    break;
                case 3: {
                    CLDRow comment(std::string(pick(6), '\n'), "");
                    ladder.InsertRow(row, &comment);
                    break;
                }
                case 4:
                    ladder.RemoveRow(row);
                    break;
                case 5:
                    if (CLDRow* r = ladder.GetRow(row); r && r->IsComment()) {
                        r->SetComments(std::string(pick(9), '\n'), "z");
                    }
                    break;
                case 6:
                    // Flip the format of a CODB block (four or six items per table row).
                    for (CLDRow& r : ladder) {
                        for (int c = 0; c < 8 && !r.IsComment(); ++c) {
                            CLDCell& cell = *r.Cell(c);
                            if (cell.IsFunc() && cell.Code() == FUNC_CODB) {
                                int format = cell.Operand(0)->Constant() == 4 ? 6 : 4;
                                cell.SetOperand(0, test::Const(format));
                            }
                        }
                    }
                    if (CLDCell* c = ladder.GetCell(row, column)) {
                        *c = Contact('X', 1);
                    }
                    break;
                case 7:
                    ladder.PutElement(row, column, Contact('X', 2));
                    break;
                case 8:
                    if (CLDCell* c = ladder.GetCell(row, column)) {
                        c->SetVLine(!c->VLine());
                    } else {
                        ladder.SetVLine(row, column);
                    }
                    break;
                default:
                    ladder.InsertRow(row);
                    break;
            }
            ExpectSameAsWalk(ladder,
                             "round " + std::to_string(round) + " step " + std::to_string(step));
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

// The layout is kept up to date row by row and its running sums are filled in lazily, so
// edits are interleaved here with single questions at random places, and only now and then
// with the full comparison.
TEST(LadderLayout, EditsBetweenScatteredQuestionsStayExact) {
    std::mt19937 rng(11);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int blocks[] = {FUNC_TMR, FUNC_CTR, FUNC_ROTB, FUNC_DIFU};
    for (int round = 0; round < 20; ++round) {
        CLadder ladder;
        for (int i = 0; i < 40; ++i) {
            ladder.InsertRow(i);
        }
        for (int step = 0; step < 60; ++step) {
            const int row = pick(ladder.RowCount() + 1);
            const int column = pick(8);
            switch (pick(9)) {
                case 0:
                    ladder.PlaceBlock(row, column, Block(blocks[pick(4)]), pick(2) == 0);
                    break;
                case 1:
                    ladder.RemoveElement(row, column);
                    break;
                case 2: {
                    std::vector<std::unique_ptr<CLDRow>> rows;
                    for (int k = pick(3) + 1; k > 0; --k) {
                        rows.push_back(
                            pick(2) ? std::make_unique<CLDRow>()
                                    : std::make_unique<CLDRow>(std::string(pick(5), '\n'), "c"));
                    }
                    ladder.InsertRange(static_cast<std::size_t>(row), std::move(rows));
                    break;
                }
                case 3:
                    ladder.RemoveRange(static_cast<std::size_t>(row),
                                       static_cast<std::size_t>(pick(3) + 1));
                    break;
                case 4:
                    ladder.SetVLine(row, column);
                    break;
                case 5:
                    ladder.ClearVLine(row, column);
                    break;
                case 6:
                    ladder.FillLine(row, column, 0);
                    break;
                case 7: {
                    // A block built aside, as the editor builds one before placing it.
                    CLDCell aside = Codb(4, pick(20));
                    ladder.PutElement(row, column % 5, aside);
                    break;
                }
                default:
                    ladder.RemoveRow(row);
                    break;
            }
            const std::string where =
                "round " + std::to_string(round) + " step " + std::to_string(step);
            const int y = pick(ladder.DisplayRowCount() + 1);
            auto got = ladder.Locate(y, column);
            auto want = WalkLocate(ladder, y, column);
            ASSERT_EQ(got.has_value(), want.has_value()) << where;
            if (got) {
                ASSERT_EQ(got->cell, want->cell) << where;
                ASSERT_EQ(got->groupStart, want->groupStart) << where;
                ASSERT_EQ(got->groupEnd, want->groupEnd) << where;
            }
            const int index = pick(ladder.RowCount() + 1);
            int display = 0;
            for (int i = 0; i < index; ++i) {
                display += ladder.GetRow(i)->DisplayHeight();
            }
            ASSERT_EQ(ladder.DisplayRowOf(index), display) << where;
            if (step % 10 == 9) {
                ExpectSameAsWalk(ladder, where);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

TEST(LadderLayout, SelectionBoundsAndMembership) {
    CLadder ladder;
    ladder.PlaceBlock(0, 2, Block(FUNC_CTR), true);
    CLDRow comment("c", "");
    ladder.InsertRow(5, &comment);
    ladder.InsertRow(6);

    CSelect sel;
    EXPECT_EQ(sel.MinRow(), -1);
    EXPECT_EQ(sel.BoxHeight(), 0);
    sel.Add(*ladder.Locate(2, 3), false);
    EXPECT_EQ(sel.GetCount(), 1u);
    EXPECT_EQ(sel.MinColumn(), 2);
    EXPECT_EQ(sel.BoxWidth(), 4);
    EXPECT_EQ(sel.BoxHeight(), 5);
    sel.Add(*ladder.Locate(0, 2), true);  // the same block again
    EXPECT_EQ(sel.GetCount(), 1u);
    sel.Add(*ladder.Locate(6, 0), true);
    EXPECT_EQ(sel.BoxWidth(), 6);
    EXPECT_EQ(sel.BoxHeight(), 7);
    EXPECT_TRUE(sel.Contains(0, 2));
    EXPECT_FALSE(sel.Contains(0, 3));
    EXPECT_FALSE(sel.Contains(5, 3));

    sel.Add(*ladder.Locate(5, 6), true);
    EXPECT_TRUE(sel.Contains(5, 0));  // a comment row is held whole
    EXPECT_TRUE(sel.Contains(5, 7));
    EXPECT_EQ(sel.GetCount(), 3u);

    sel.Add(*ladder.Locate(6, 7), false);  // without add-to it starts over
    EXPECT_EQ(sel.GetCount(), 1u);
    EXPECT_EQ(sel.MinRow(), 6);
    EXPECT_EQ(sel.EndColumn(), 8);
    EXPECT_FALSE(sel.Contains(0, 2));
    sel.Reset();
    EXPECT_TRUE(sel.IsEmpty());
    EXPECT_EQ(sel.EndRow(), -1);
    EXPECT_FALSE(sel.Contains(6, 7));
}

}  // namespace
}  // namespace varno
