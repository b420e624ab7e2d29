#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "editor/clipboard_block.h"
#include "editor_fixture.h"
#include "model/address.h"
#include "platform/archive.h"
#include "support/hex.h"

namespace varno::test {
namespace {

std::string Bytes(const std::vector<std::uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

TEST(Clipboard, CopyWritesTheBlockOfTheSelection) {
    CEditorFixture f;
    f.Reset(5);
    f.L().PutElement(3, 2, Contact('X', 10, 3));
    f.view.SetCaret(3, 2, false);
    ASSERT_TRUE(f.view.OnCopy());
    ASSERT_TRUE(f.view.CanPaste());
    EXPECT_EQ(ToHex(Bytes(*f.clipboard.GetData(CLIPBOARD_FORMAT))),
              "01 00 00 00 01 00 00 00 01 00 00 00 03 00 00 00 02 00 00 00 "
              "03 00 00 00 02 00 00 00 10 00 01 00 58 03 0A 00");

    // A comment row travels as its row record; a block with its operand records.
    f.doc.InsertCommentRow(0, "AB", "");
    f.view.SetCaret(0, 4, false);
    ASSERT_TRUE(f.view.OnCopy());
    EXPECT_EQ(ToHex(Bytes(*f.clipboard.GetData(CLIPBOARD_FORMAT))),
              "01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 04 00 00 00 "
              "00 00 00 00 04 00 00 00 2F 00 00 00 02 00 00 00 41 42");

    // An empty selection gives a header of n = 0.
    std::optional<std::vector<std::uint8_t>> empty = WriteClipboardBlock(f.L(), CSelect{});
    ASSERT_TRUE(empty);
    EXPECT_EQ(ToHex(Bytes(*empty)), "00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF");
}

TEST(Clipboard, PastingTwoContactsInsertsTheirRowsAtTheCaret) {
    CEditorFixture f;
    f.Reset(12);
    f.L().PutElement(3, 2, Contact('X', 3, 0));
    f.L().PutElement(4, 3, Contact('X', 4, 0));
    f.L().PutElement(10, 0, Contact('Y', 10, 0));
    f.view.SetCaret(3, 2, false);
    f.view.SetCaret(4, 3, true);
    ASSERT_TRUE(f.view.OnCopy());
    const auto before = Snapshot(f.L());

    f.view.SetCaret(10, 5, false);
    f.view.OnPaste();
    EXPECT_EQ(f.L().RowCount(), 14);
    EXPECT_EQ(FormatAddress(f.L().GetCell(10, 5)->Address(), false), "X0003");
    EXPECT_EQ(FormatAddress(f.L().GetCell(11, 6)->Address(), false), "X0004");
    EXPECT_TRUE(f.L().GetCell(12, 0)->IsContact());  // the caret's row moved down
    // The update after the paste leaves the caret's element selected.
    EXPECT_EQ(f.view.Selection().GetCount(), 1u);
    const auto after = Snapshot(f.L());

    f.view.OnUndo();
    EXPECT_EQ(Snapshot(f.L()), before);
    f.view.OnRedo();
    EXPECT_EQ(Snapshot(f.L()), after);
}

TEST(Clipboard, PasteNeedsRoomToTheRightOfTheCaret) {
    CEditorFixture f;
    f.Reset(4);
    ASSERT_NE(f.L().PlaceBlock(0, 0, Block(FUNC_TMR, {Const(9)}), false), nullptr);
    f.view.SetCaret(0, 0, false);
    ASSERT_TRUE(f.view.OnCopy());
    f.view.SetCaret(2, 5, false);
    const auto before = Snapshot(f.L());
    f.view.OnPaste();
    ASSERT_EQ(f.messages.boxes.size(), 1u);
    EXPECT_EQ(f.messages.boxes[0].text, "Not enough space to place the element!");
    EXPECT_EQ(f.messages.boxes[0].caption, "Warning");
    EXPECT_EQ(f.messages.boxes[0].icon, MbIcon::Information);
    EXPECT_EQ(Snapshot(f.L()), before);
    EXPECT_TRUE(f.view.Selection().IsEmpty());  // kept as it was: the paste emptied it

    // In column 4 it fits, as an independent copy of the block and its operands.
    f.view.SetCaret(2, 4, false);
    f.view.OnPaste();
    ASSERT_TRUE(f.L().GetCell(2, 4)->IsFunc());
    f.L().GetCell(0, 0)->SetOperand(0, Const(1));
    EXPECT_EQ(f.L().GetCell(2, 4)->Operand(0)->Constant(), 9);
}

TEST(Clipboard, CutAndPasteOfCommentRows) {
    CEditorFixture f;
    f.Reset(4);
    f.doc.InsertCommentRow(1, "first\nsecond", "two");
    f.L().PutElement(0, 1, Contact('X', 1, 0));
    const auto before = Snapshot(f.L());

    f.view.SetCaret(0, 1, false);
    f.view.OnCut();
    EXPECT_TRUE(f.L().GetCell(0, 1)->IsEmpty());
    f.view.OnUndo();
    EXPECT_EQ(Snapshot(f.L()), before);

    f.view.SetCaret(1, 6, false);  // the comment row
    ASSERT_TRUE(f.view.OnCopy());
    f.view.SetCaret(3, 0, false);
    f.view.OnPaste();
    ASSERT_TRUE(f.L().GetRow(3)->IsComment());
    EXPECT_EQ(f.L().GetRow(3)->Comment(1), "first\nsecond");
    EXPECT_EQ(f.L().RowCount(), 6);
}

TEST(Clipboard, NothingIsCutThatCouldNotBeCopied) {
    CEditorFixture f;
    f.Reset(3);
    f.L().PutElement(0, 0, Contact('X', 1, 0));
    f.view.SetCaret(0, 0, false);
    f.clipboard.SetLocked(true);
    f.view.OnCut();
    EXPECT_TRUE(f.L().GetCell(0, 0)->IsContact());
    f.clipboard.SetLocked(false);

    // A selected comment row that was replaced since: Copy refuses, the clipboard stays.
    ASSERT_TRUE(f.clipboard.SetData(CLIPBOARD_FORMAT, {1, 2, 3}));
    f.doc.InsertCommentRow(1, "c", "");
    f.view.SetCaret(1, 0, false);
    f.L().RemoveRow(1);  // behind the view's back, no update
    f.L().InsertRow(1);
    EXPECT_FALSE(f.view.OnCopy());
    f.L().RemoveRow(3);
    f.L().RemoveRow(2);
    f.L().RemoveRow(1);
    EXPECT_FALSE(f.view.OnCopy());  // a missing row
    EXPECT_EQ(*f.clipboard.GetData(CLIPBOARD_FORMAT), (std::vector<std::uint8_t>{1, 2, 3}));
    f.view.OnCut();
    EXPECT_EQ(f.L().RowCount(), 1);
}

TEST(Clipboard, AnEmptyBlockPastesNothingAndRecordsNothing) {
    CEditorFixture f;
    f.Reset(3);
    ASSERT_TRUE(f.clipboard.SetData(CLIPBOARD_FORMAT, *WriteClipboardBlock(f.L(), CSelect{})));
    const auto before = Snapshot(f.L());
    f.view.OnPaste();
    EXPECT_EQ(Snapshot(f.L()), before);
    EXPECT_EQ(f.doc.History().Count(), 0);
}

TEST(Clipboard, DamagedBlocksAreRefused) {
    CLadder ladder;
    for (int i = 0; i < 6; ++i) {
        ladder.InsertRow(i);
    }
    ladder.PutElement(2, 1, Contact('X', 1, 0));
    ladder.PlaceBlock(3, 2, Codb(4, 5), false);
    CSelect selection;
    selection.Add(*ladder.Locate(2, 1), false);
    selection.Add(*ladder.Locate(3, 2), true);
    const std::vector<std::uint8_t> good = *WriteClipboardBlock(ladder, selection);
    std::optional<CClipboardBlock> block = ReadClipboardBlock(good);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->entries.size(), 2u);
    EXPECT_EQ(block->rowSpan, 8);  // the CODB at row 3 is 7 rows high
    EXPECT_EQ(block->entries[1].cell->Operands().size(), 9u);

    // Every cut-short block fails.
    for (std::size_t n = 0; n < good.size(); ++n) {
        EXPECT_FALSE(ReadClipboardBlock(std::span(good.data(), n))) << n;
    }

    auto patched = [&](std::size_t at, std::int32_t value) {
        std::vector<std::uint8_t> data = good;
        std::memcpy(&data[at], &value, 4);
        return data;
    };
    EXPECT_FALSE(ReadClipboardBlock(patched(0, 1000000)));  // more entries than bytes
    EXPECT_FALSE(ReadClipboardBlock(patched(0, -1)));
    EXPECT_FALSE(ReadClipboardBlock(patched(8, 9)));           // column span over 8
    EXPECT_FALSE(ReadClipboardBlock(patched(8, 1)));           // an entry outside the column span
    EXPECT_FALSE(ReadClipboardBlock(patched(12, 1)));          // first row is not the top entry
    EXPECT_FALSE(ReadClipboardBlock(patched(20, 2 + 70000)));  // far below the first row
    EXPECT_FALSE(ReadClipboardBlock(patched(4, 0)));
    // An empty cell or a wire carries no code and no operand into the ladder.
    std::vector<std::uint8_t> odd = patched(28, 0x00410000);
    odd[36 + 8] = LDCMD_HLINE;
    block = ReadClipboardBlock(odd);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->entries[0].cell->Element(), CLDCmd{});
    EXPECT_EQ(block->entries[1].cell->Code(), 0);
    EXPECT_TRUE(block->entries[1].cell->Operands().empty());

    // A row span larger than the entries reach is cut to it.
    block = ReadClipboardBlock(patched(4, INT_MAX));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->rowSpan, 8);
}

}  // namespace
}  // namespace varno::test
