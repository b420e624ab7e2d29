// The window's picture and printed pages, read back from a recording surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/recording_surface.h"
#include "editor_fixture.h"
#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno::test {
namespace {

constexpr int W = 100;
constexpr int H = 56;

// A fixture view laid out with the given settings in a window of the given size.
struct CPaintFixture : CEditorFixture {
    explicit CPaintFixture(int rows, CDisplaySettings display = {}, int width = 1280,
                           int height = 900) {
        Reset(rows);
        view.SetDisplay(display);
        view.SetClientSize(width, height);
        view.OnUpdate(HINT_LAYOUT);
    }
    CRecordingSurface Paint() {
        CRecordingSurface surface;
        view.Paint(surface);
        return surface;
    }
};

CDisplaySettings NoLineNumbers() {
    CDisplaySettings d;
    d.showLineNo = 0;
    return d;
}

bool HasRect(const std::vector<CDrawCall>& calls, const CRect& rect) {
    return std::any_of(calls.begin(), calls.end(),
                       [&](const CDrawCall& c) { return c.rect == rect; });
}

TEST(ViewPaint, RailsAndRowNumbersFollowTheLineNumberSetting) {
    CPaintFixture without(3, NoLineNumbers());
    EXPECT_EQ(without.view.OriginX(), 22);
    EXPECT_EQ(without.view.LadderWidth(), 801);
    CRecordingSurface s = without.Paint();
    EXPECT_TRUE(s.HasLine(21, 0, 21, 900));
    EXPECT_TRUE(s.HasLine(22 + 801, 0, 22 + 801, 900));
    EXPECT_TRUE(s.Texts("0000").empty());

    CPaintFixture with(3);
    // 22 plus "00000" in the default Courier New -18: five characters of 11 pixels.
    EXPECT_EQ(with.view.OriginX(), 77);
    s = with.Paint();
    ASSERT_EQ(s.Texts("0001").size(), 1u);
    EXPECT_EQ(s.Texts("0001")[0].rect, (CRect{20, H, 77, 2 * H}));
    EXPECT_EQ(s.Texts("0001")[0].flags, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE);
    EXPECT_EQ(s.Texts("0003").size(), 0u);  // three rows: 0000..0002
    // The margin strip is the last thing drawn, over everything at the left edge.
    EXPECT_EQ(s.Calls().back().op, DrawOp::Fill);
    EXPECT_EQ(s.Calls().back().rect, (CRect{0, 0, 20, 900}));
    EXPECT_EQ(s.Calls().back().brush, COLOR_BUTTON_FACE);
}

TEST(ViewPaint, GridCrossesSitOnTheRungLevel) {
    CDisplaySettings d = NoLineNumbers();
    d.gridColor = 0x123456;
    CPaintFixture f(2, d, 1280, 100);
    CRecordingSurface s = f.Paint();
    // Crosses at x = 22 + k W, y = 28 + j H inside the 100 visible pixels: j = 0, 1.
    EXPECT_TRUE(s.HasLine(22 - 3, 28, 22 + 4, 28));
    EXPECT_TRUE(s.HasLine(822, 28 + H - 3, 822, 28 + H + 4));
    EXPECT_FALSE(s.HasLine(22 - 3, 28 + 2 * H, 22 + 4, 28 + 2 * H));
    const auto lines = s.Of(DrawOp::Line);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const CDrawCall& c) { return c.pen.color == 0x123456; }),
              2 * 9 * 2);
    d.showGrid = 0;
    CPaintFixture off(2, d, 1280, 100);
    s = off.Paint();
    for (const CDrawCall& c : s.Of(DrawOp::Line)) {
        EXPECT_NE(c.pen.color, 0x123456u);
    }
}

TEST(ViewPaint, ContactsAndCoilsHaveTheirProportions) {
    CPaintFixture f(3, NoLineNumbers());
    f.L().PutElement(1, 2, Contact('X', 3, 1));
    f.L().PutElement(1, 3, Contact('X', 3, 2, BASIC_RD_NOT));
    f.L().PutElement(1, 4, Contact('X', 3, 3, BASIC_RDPT));
    f.L().PutElement(1, 7, Coil('Y', 5, 0, BASIC_SET));
    f.project.comments.SetComment(LDADDR{'X', 3, 3}, "START", "", "");
    CRecordingSurface s = f.Paint();
    const int x = 22 + 2 * W;
    const int y = H;
    EXPECT_TRUE(s.HasLine(x + 40, y + 21, x + 40, y + 35));
    EXPECT_TRUE(s.HasLine(x + 60, y + 21, x + 60, y + 35));
    EXPECT_TRUE(s.HasLine(x, y + 28, x + 40, y + 28));
    EXPECT_TRUE(s.HasLine(x + 60, y + 28, x + W, y + 28));
    // The slash of a normally closed contact: g = 7 - 0.
    const int xn = x + W;
    EXPECT_TRUE(s.HasLine(xn + 50 + 6, y + 28 - 6, xn + 50 - 7, y + 28 + 7));
    ASSERT_EQ(s.Texts("X0003.1").size(), 1u);
    EXPECT_EQ(s.Texts("X0003.1")[0].rect, (CRect{x, y + 21 - 14, x + W, y + 21}));
    EXPECT_NE(s.Texts("X0003.1")[0].flags & TEXT_NOCLIP, 0u);
    ASSERT_EQ(s.Texts("START").size(), 1u);  // the symbol below its contact only
    EXPECT_EQ(s.Texts("START")[0].rect, (CRect{x + 2 * W, y + 35, x + 3 * W, y + 49}));
    ASSERT_EQ(s.Texts("P").size(), 1u);
    EXPECT_EQ(s.Texts("P")[0].rect, (CRect{x + 2 * W, y + 21, x + 3 * W, y + 35}));
    const int xc = 22 + 7 * W;
    EXPECT_TRUE(HasRect(s.Of(DrawOp::Ellipse), CRect{xc + 38, y + 21, xc + 62, y + 35}));
    EXPECT_EQ(s.Texts("S").size(), 1u);
}

TEST(ViewPaint, BlocksDrawTheirInputsOperandsAndTable) {
    CPaintFixture f(12, NoLineNumbers());
    ASSERT_NE(f.L().PlaceBlock(0, 1, Block(FUNC_CTR, {Addr('C', 4)}), true), nullptr);
    ASSERT_NE(f.L().PlaceBlock(6, 0, Codb(1, 4), false), nullptr);
    CRecordingSurface s = f.Paint();
    const int x = 22 + W;
    const int left = x + W + 12;
    const int bottom = 5 * H - H + 28;
    // With operands: the box ends W/8 before the block's right end, a name column of W.
    EXPECT_TRUE(HasRect(s.Of(DrawOp::Rectangle), CRect{left, 7, x + 4 * W - 12, bottom}));
    EXPECT_TRUE(s.HasLine(left + W, 7, left + W, bottom));
    EXPECT_TRUE(s.HasLine(x, 3 * H + 28, left, 3 * H + 28));  // fourth control input
    ASSERT_EQ(s.Texts("UPDOWN").size(), 1u);
    EXPECT_EQ(s.Texts("UPDOWN")[0].flags, TEXT_CENTER | TEXT_BOTTOM | TEXT_SINGLELINE);
    EXPECT_TRUE(s.HasLine(x + 4 * W - 12, 28, x + 4 * W, 28));  // output stub
    ASSERT_EQ(s.Texts("CTR").size(), 1u);
    EXPECT_EQ(s.Texts("CTR")[0].rect, (CRect{left + 3, 28 - H, left + W, 28 + H}));
    ASSERT_EQ(s.Texts("C0004").size(), 1u);
    EXPECT_EQ(s.Texts("C0004")[0].rect.left, left + W + 3);
    // CODB: three items a line in cells W wide, below the box.
    const int codbBottom = 6 * H + 5 * H - H + 28;
    const int codbLeft = 22 + W + 12;
    ASSERT_EQ(s.Texts("003:").size(), 1u);
    EXPECT_EQ(s.Texts("003:")[0].rect,
              (CRect{22, codbBottom + 14 + 28, codbLeft, codbBottom + 14 + 56}));
    ASSERT_EQ(s.Texts("101").size(), 1u);
    EXPECT_EQ(s.Texts("101")[0].rect.left, codbLeft + W);
    EXPECT_EQ(s.Texts("103").size(), 1u);
}

TEST(ViewPaint, ABlockAboveTheWindowIsDrawnWhenItsLowerRowsShow) {
    CPaintFixture f(60, NoLineNumbers());
    ASSERT_NE(f.L().PlaceBlock(10, 2, Block(43), false), nullptr);  // MOVB, 3 rows
    f.view.OnUpdate(HINT_ROWS);
    ASSERT_TRUE(f.view.ScrollBy(0, 12 * H));  // only the block's last row is visible
    EXPECT_EQ(f.view.Scroll().Position().y, 12 * H);
    CRecordingSurface s = f.Paint();
    EXPECT_EQ(s.Calls().front().op, DrawOp::Origin);
    EXPECT_EQ(s.Calls().front().rect.top, 12 * H);
    EXPECT_EQ(s.Texts("MOVB").size(), 1u);
    EXPECT_EQ(s.Of(DrawOp::Rectangle).size(), 1u);
    ASSERT_TRUE(f.view.ScrollBy(0, H));  // one row further it is gone
    s = f.Paint();
    EXPECT_TRUE(s.Texts("MOVB").empty());
}

TEST(ViewPaint, CommentRowsSplitIntoBands) {
    CPaintFixture f(3, NoLineNumbers());
    f.doc.InsertCommentRow(1, "one\ntwo\nthree", "");
    f.doc.InsertCommentRow(0, "", "");
    f.view.OnUpdate(HINT_ROWS);
    ASSERT_EQ(f.L().DisplayRowCount(), 6);  // 1 + 1 + 2 + 2 element rows
    CRecordingSurface s = f.Paint();
    const auto fills = s.Of(DrawOp::Fill);
    EXPECT_TRUE(HasRect(fills, CRect{22, 1, 822, H - 1}));  // the empty one: one row
    EXPECT_TRUE(HasRect(fills, CRect{22, 2 * H + 1, 822, 4 * H - 1}));
    const int band = (2 * H - 2) / 3;
    ASSERT_EQ(s.Texts("two").size(), 1u);
    EXPECT_EQ(s.Texts("two")[0].rect, (CRect{22, 2 * H + 1 + band, 822, 2 * H + 1 + 2 * band}));
    EXPECT_EQ(s.Texts("two")[0].textColor, COLOR_COMMENT);
    // The selection highlights a comment row in grey.
    f.view.SetCaret(2, 5, false);
    s = f.Paint();
    const auto selected = s.Of(DrawOp::Fill);
    auto it = std::find_if(selected.begin(), selected.end(), [&](const CDrawCall& c) {
        return c.rect == CRect{22, 2 * H + 1, 822, 4 * H - 1};
    });
    ASSERT_NE(it, selected.end());
    EXPECT_EQ(it->brush, COLOR_HIGHLIGHT);
}

TEST(ViewPaint, CommentsRightOfTheRail) {
    CDisplaySettings d = NoLineNumbers();
    CPaintFixture f(3, d);
    f.L().PutElement(0, 7, Coil('Y', 2, 1));
    f.L().PutElement(1, 6, Coil('Y', 2, 2));  // not in the last column: no comment
    ASSERT_NE(f.L().PlaceBlock(2, 0, Block(FUNC_CALL, {Addr('P', 12)}), true), nullptr);
    f.project.comments.SetComment(LDADDR{'Y', 1, 2}, "", "motor on", "second");
    f.project.comments.SetComment(LDADDR{'Y', 2, 2}, "", "never", "never");
    f.project.comments.SetComment(LDADDR{'P', -1, 12}, "", "tool change", "sub 2");
    CRecordingSurface s = f.Paint();
    ASSERT_EQ(s.Texts("motor on").size(), 1u);
    const CDrawCall text = s.Texts("motor on")[0];
    EXPECT_EQ(text.rect, (CRect{22 + 8 * W + 4, 0, 1280, H}));
    EXPECT_EQ(text.textColor, COLOR_COMMENT);
    EXPECT_EQ(text.flags, TEXT_LEFT | TEXT_VCENTER | TEXT_SINGLELINE);
    EXPECT_TRUE(s.Texts("never").empty());
    EXPECT_EQ(s.Texts("tool change").size(), 1u);

    d.showComment2 = 1;
    f.view.SetDisplay(d);
    f.view.OnUpdate(HINT_LAYOUT);
    s = f.Paint();
    EXPECT_EQ(s.Texts("second").size(), 1u);
    EXPECT_EQ(s.Texts("sub 2").size(), 1u);
    EXPECT_TRUE(s.Texts("motor on").empty());
}

TEST(ViewPaint, TheSelectedElementIsHighlightedOverItsArea) {
    CPaintFixture f(6, NoLineNumbers());
    ASSERT_NE(f.L().PlaceBlock(1, 2, Block(FUNC_TMR, {Const(1)}), true), nullptr);
    f.view.SetCaret(2, 4, false);  // inside the block: the head is selected
    CRecordingSurface s = f.Paint();
    const auto fills = s.Of(DrawOp::Fill);
    ASSERT_TRUE(HasRect(fills, CRect{22 + 2 * W, H, 22 + 6 * W, 3 * H}));
    const auto boxes = s.Of(DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].brush, COLOR_HIGHLIGHT);
}

// --- Scrolling and the caret ------------------------------------------------------------

TEST(ViewScroll, SnapsToWholeCells) {
    CPaintFixture f(100, NoLineNumbers(), 800, 560);
    EXPECT_EQ(f.view.VisibleRows(), 10);
    EXPECT_EQ(f.view.Scroll().Total(), (CSize{1600, 100 * H}));
    EXPECT_EQ(f.view.Scroll().Page(), (CSize{700, 560}));
    EXPECT_EQ(f.view.Scroll().Line(), (CSize{W, H}));
    EXPECT_FALSE(f.view.ScrollBy(W / 4, H / 4));  // a quarter snaps back
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{0, 0}));
    EXPECT_TRUE(f.view.ScrollBy(3 * W / 4, 3 * H / 4));  // three quarters move one cell
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{W, H}));
    f.view.ScrollBy(W + W / 4, 0);
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{2 * W, H}));
    // Near the end the limit is taken even off the grid.
    f.view.ScrollBy(0, 1'000'000);
    EXPECT_EQ(f.view.Scroll().Position().y, 100 * H - 560);
    // Mouse positions are client pixels: the scroll position is added before the hit test.
    EXPECT_EQ(f.view.HitTest(22 + 5, 5), (CCellPos{(100 * H - 560) / H, 2}));
    EXPECT_TRUE(f.view.InLadder(0, 559));
    EXPECT_FALSE(f.view.InLadder(22 + 8 * W - 2 * W, 10));  // right of the rail
    // New cell sizes change the rows a page shows.
    CDisplaySettings tall = NoLineNumbers();
    tall.cellHeight = 112;
    f.view.SetDisplay(tall);
    f.view.OnUpdate(HINT_LAYOUT);
    EXPECT_EQ(f.view.VisibleRows(), 5);
    EXPECT_EQ(f.view.Scroll().Total(), (CSize{1600, 100 * 112}));
    // Without a vertical scroll bar nothing moves that way.
    CPaintFixture small(3, NoLineNumbers(), 800, 560);
    EXPECT_FALSE(small.view.ScrollBy(0, 3 * H));
}

TEST(ViewScroll, TheCaretScrollsIntoViewAndHidesUnderTheStrip) {
    CPaintFixture f(100, NoLineNumbers(), 800, 560);
    EXPECT_EQ(f.view.StatusText(), "ln0,col0");
    EXPECT_FALSE(f.view.CaretVisible());  // no focus yet
    f.view.SetFocus(true);
    EXPECT_TRUE(f.view.CaretVisible());
    EXPECT_EQ(f.view.CaretPixel(), (CPoint{22, 0}));
    EXPECT_EQ(f.view.CaretSize(), (CSize{W, H}));
    f.view.SetCaret(15, 7, false);
    // Below the window: its bottom becomes the visible bottom; right: its right edge.
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{22 + 8 * W - 800, 16 * H - 560}));
    EXPECT_EQ(f.view.CaretPixel(), (CPoint{800 - W, 560 - H}));
    // Above: to the top. Its left edge is the visible left edge, so x stays, and the caret
    // cell lies under the margin strip.
    f.view.SetCaret(2, 0, false);
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{22, 2 * H}));
    EXPECT_EQ(f.view.CaretPixel(), (CPoint{0, 0}));
    EXPECT_FALSE(f.view.CaretVisible());
    f.view.ScrollBy(-W, 0);
    EXPECT_EQ(f.view.CaretPixel(), (CPoint{22, 0}));
    EXPECT_TRUE(f.view.CaretVisible());
    f.view.ScrollBy(3 * W / 4, 0);
    EXPECT_FALSE(f.view.CaretVisible());
    f.view.SetFocus(false);
    EXPECT_FALSE(f.view.CaretVisible());
    // Page Down moves by the rows the window shows.
    f.view.OnCtrlHome();  // left of the view: 20 right of the left edge
    EXPECT_EQ(f.view.Scroll().Position(), (CPoint{2, 0}));
    EXPECT_EQ(f.view.CaretPixel(), (CPoint{20, 0}));
    EXPECT_FALSE(f.view.CaretVisible());  // x 20 is not right of the strip
    f.view.OnPageDown();
    EXPECT_EQ(f.view.CaretRow(), 10);
}

TEST(ViewScroll, TheWindowIsToldWhatToLookAtAgain) {
    struct CHost final : ILadderViewHost {
        void ScrollChanged() override { ++scrolls; }
        void CaretChanged() override { ++carets; }
        void Repaint() override { ++repaints; }
        int scrolls = 0;
        int carets = 0;
        int repaints = 0;
    } host;
    CEditorFixture f;
    f.Reset(50);
    CLadderView view(f.doc, f.dialogs, f.clipboard, &host);
    view.SetClientSize(800, 560);
    view.OnInitialUpdate();
    EXPECT_GE(host.scrolls, 2);
    EXPECT_GE(host.carets, 1);
    EXPECT_EQ(host.repaints, 1);
    host = CHost{};
    EXPECT_FALSE(view.ScrollBy(0, 10));
    EXPECT_EQ(host.scrolls + host.carets + host.repaints, 0);
    EXPECT_TRUE(view.ScrollBy(0, 3 * H));
    EXPECT_EQ(host.scrolls, 1);
    EXPECT_EQ(host.carets, 1);
    EXPECT_EQ(host.repaints, 1);
    EXPECT_EQ(view.CaretPixel(), (CPoint{view.OriginX(), -3 * H}));
    host = CHost{};
    view.SetFocus(true);
    EXPECT_EQ(host.carets, 1);
    // Only x decides: a caret scrolled out above is shown where the window does not reach.
    EXPECT_TRUE(view.CaretVisible());
}

// --- Printing ---------------------------------------------------------------------------

TEST(ViewPrint, PagesNeverCutABlockOrAJoinedRung) {
    CPaintFixture f(0, NoLineNumbers());
    CLadder& l = f.L();
    for (int i = 0; i < 200; ++i) {
        l.InsertRow(i);
    }
    for (int r = 3; r + 5 < 200; r += 11) {
        ASSERT_NE(l.PlaceBlock(r, 1, Block(FUNC_CTR, {Addr('C', 1)}), true), nullptr);
        l.SetVLine(r + 6, 3);  // the row after the block joins it
        l.SetVLine(r + 7, 2);
    }
    f.view.OnUpdate(HINT_LAYOUT);
    // 96 dpi, 1000 pixels high: a band of 1000 - 4 H = 776, 13 rows.
    const int pages = f.view.PreparePrinting(900, 1000, 96, 96);
    const std::vector<int>& starts = f.view.PageStarts();
    ASSERT_EQ(static_cast<int>(starts.size()), pages);
    EXPECT_GT(pages, 200 / 13);
    EXPECT_EQ(starts[0], 0);
    for (std::size_t p = 1; p < starts.size(); ++p) {
        const int s = starts[p];
        EXPECT_GT(s, starts[p - 1]);
        EXPECT_LE(s - starts[p - 1], 13);
        EXPECT_FALSE(l.GetRow(s)->HasVLine()) << s;
        for (int j = starts[p - 1]; j < s; ++j) {
            EXPECT_LE(j + l.GetRow(j)->Extent(), s) << "block of row " << j << " cut at " << s;
        }
    }
}

TEST(ViewPrint, APageCarriesHeaderFooterAndItsRows) {
    CPaintFixture f(0);
    CLadder& l = f.L();
    for (int i = 0; i < 40; ++i) {
        l.InsertRow(i);
        l.PutElement(i, 0, Contact('X', static_cast<std::uint16_t>(i), 0));
    }
    l.PutElement(17, 7, Coil('Y', 1, 0));
    f.project.comments.SetComment(LDADDR{'Y', 0, 1}, "", "right side", "");
    f.view.OnUpdate(HINT_LAYOUT);
    // 600 dpi: 6000 x 7500 printer pixels are 960 x 1200 logical units, 17 rows a page.
    ASSERT_EQ(f.view.PreparePrinting(6000, 7500, 600, 600), 3);
    EXPECT_EQ(f.view.PageRect(), (CRect{0, 0, 960, 1200}));
    EXPECT_EQ(f.view.PageStarts(), (std::vector<int>{0, 17, 34}));
    CVersionArray versions;
    versions.GetVersionLine(0, 0) = "ACME";
    versions.GetVersionLine(1, 0) = "Lathe";
    versions.GetVersionLine(2, 0) = "V1.2";
    versions.GetVersionLine(2, 1) = "second";
    CRecordingSurface s;
    f.view.SetCaret(17, 0, false);
    f.view.PrintPage(s, 2, versions);
    ASSERT_EQ(s.Texts("Page:2(total 3 pages)").size(), 1u);
    const int th = s.TextHeight(f.view.LadderFont());
    EXPECT_EQ(s.Texts("Page:2(total 3 pages)")[0].rect,
              (CRect{0, 1200 - 2 * H, 960, 1200 - 2 * H + 2 * th}));
    ASSERT_EQ(s.Texts("ACME Lathe V1.2").size(), 1u);
    EXPECT_EQ(s.Texts("ACME Lathe V1.2")[0].rect, (CRect{0, 2 * H - 2 * th, 960, 2 * H}));
    // Rows 17..33 from the band's top, numbered from the page's first row.
    ASSERT_EQ(s.Texts("0017").size(), 1u);
    EXPECT_EQ(s.Texts("0017")[0].rect.top, 2 * H);
    EXPECT_EQ(s.Texts("0033").size(), 1u);
    EXPECT_TRUE(s.Texts("0034").empty());
    EXPECT_TRUE(s.Texts("0016").empty());
    EXPECT_TRUE(s.Texts("right side").empty());
    EXPECT_TRUE(s.Of(DrawOp::Fill).empty());  // no highlight of the selected contact
    ASSERT_EQ(s.Of(DrawOp::Clip).size(), 1u);
    EXPECT_EQ(s.Of(DrawOp::Clip)[0].rect, (CRect{0, 2 * H, 960, 1200 - 2 * H}));
    EXPECT_TRUE(s.HasLine(76, 2 * H, 76, 1200 - 2 * H));

    CDisplaySettings d;
    d.showComment2 = 1;
    f.view.SetDisplay(d);
    f.view.OnUpdate(HINT_LAYOUT);
    SetLanguage(Lang::Chinese);
    s.Clear();
    f.view.PrintPage(s, 3, versions);
    SetLanguage(Lang::English);
    EXPECT_EQ(s.Texts("  second").size(), 1u);  // the empty text 2 of the first two items
    EXPECT_EQ(s.Texts(Utf8ToGbk("第3页(共3页)")).size(), 1u);
}

TEST(ViewPrint, ALadderWiderThanThePageIsShrunkToItsWidth) {
    CPaintFixture f(3);
    // A4 at 600 dpi is 793 logical units wide; the ladder with its rails needs 77 + 801 + 2,
    // and as much white right of the rail as the margin strip leaves at the left.
    f.view.PreparePrinting(4961, 7016, 600, 600);
    EXPECT_EQ(f.view.PageRect(), (CRect{0, 0, 900, 1122 * 900 / 793}));
    CRecordingSurface s;
    f.view.PrintPage(s, 1, CVersionArray{});
    int rightmost = 0;
    for (const CDrawCall& line : s.Of(DrawOp::Line)) {
        rightmost = std::max({rightmost, line.rect.left, line.rect.right});
    }
    EXPECT_EQ(rightmost, 77 + 801);
    EXPECT_GE(f.view.PageRect().right - (rightmost + 2), 20);
    CDisplaySettings narrow;
    narrow.cellWidth = 80;
    f.view.SetDisplay(narrow);
    f.view.OnUpdate(HINT_LAYOUT);
    f.view.PreparePrinting(4961, 7016, 600, 600);
    EXPECT_EQ(f.view.PageRect(), (CRect{0, 0, 793, 1122}));
}

}  // namespace
}  // namespace varno::test
