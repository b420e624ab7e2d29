// The SVG surface's output and the fonts and measures the layout is made from.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/svg_surface.h"
#include "editor_fixture.h"
#include "platform/codepage.h"

namespace varno::test {
namespace {

TEST(SvgSurface, WritesPixelAlignedShapesAndUtf8Text) {
    CSvgSurface s(200, 100);
    s.SetOrigin(10, 20);  // logical (10, 20) is the document's (0, 0)
    s.MoveTo(10, 48);
    s.LineTo(60, 48);
    s.SetPen(CPen{PenStyle::Solid, 2, 0x0000FF});
    s.MoveTo(30, 20);
    s.LineTo(30, 80);
    s.SetBrush(0xE0E0E0);
    s.SetPen(CPen{});
    s.Rectangle(CRect{20, 30, 40, 50});
    s.FillRect(CRect{10, 20, 30, 120}, 0x123456);
    s.SetFont(CFontDesc::FromLogFont(CLogFont()));
    s.SetTextColor(0x009000);
    s.DrawText(Utf8ToGbk("电机 <a&b>"), CRect{10, 20, 210, 76}, TEXT_VCENTER | TEXT_SINGLELINE);
    const std::string svg = s.Finish();
    EXPECT_NE(svg.find("viewBox=\"0 0 200 100\""), std::string::npos);
    // One-pixel lines on pixel centres, the end point left out.
    EXPECT_NE(svg.find("<line x1=\"0\" y1=\"28.5\" x2=\"50\" y2=\"28.5\" stroke=\"#000000\""),
              std::string::npos);
    EXPECT_NE(svg.find("<line x1=\"20\" y1=\"0\" x2=\"20\" y2=\"60\" stroke=\"#ff0000\" "
                       "stroke-width=\"2\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"10.5\" y=\"10.5\" width=\"19\" height=\"19\" fill=\"#e0e0e0\""),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"20\" height=\"100\" fill=\"#563412\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find(">电机 &lt;a&amp;b&gt;</text>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#009000\""), std::string::npos);
    EXPECT_EQ(svg.find("clip-path"), std::string::npos);  // it fits
}

TEST(SvgSurface, ClipsWhatDoesNotFitUnlessTold) {
    CSvgSurface s(100, 100);
    s.SetFont(CFontDesc::FromLogFont(CLogFont()));
    s.DrawText("a long comment", CRect{0, 0, 30, 20}, TEXT_SINGLELINE);
    s.DrawText("X0000.0", CRect{0, 30, 30, 40}, TEXT_CENTER | TEXT_SINGLELINE | TEXT_NOCLIP);
    s.SetClip(CRect{0, 0, 50, 50});
    s.DrawText("\x01in", CRect{0, 0, 50, 50}, 0);
    const std::string svg = s.Finish();
    EXPECT_NE(svg.find("<clipPath id=\"t1\"><rect x=\"0\" y=\"0\" width=\"30\" height=\"20\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("text-anchor=\"middle\" xml:space=\"preserve\">X0000.0</text>\n<clipPath"),
              std::string::npos);
    EXPECT_NE(svg.find(">in</text>\n</g>\n</svg>"), std::string::npos);  // no control byte
}

TEST(LadderFont, ComesFromTheProjectsRecord) {
    const CFontDesc fallback = CFontDesc::FromLogFont(CLogFont());
    EXPECT_EQ(fallback.face, "Courier New");
    EXPECT_EQ(fallback.height, -18);
    EXPECT_EQ(fallback.PixelSize(), 18);

    CLogFont record;
    record.height = -24;
    record.weight = 700;
    std::memcpy(record.faceName, "SimSun", 6);
    CEditorFixture f;
    CDisplaySettings d;
    d.font = record;
    f.view.SetDisplay(d);
    f.view.OnUpdate(HINT_LAYOUT);
    EXPECT_EQ(f.view.LadderFont().face, "SimSun");
    EXPECT_EQ(f.view.LadderFont().weight, 700);
    // "00000" at 15 pixels a character.
    EXPECT_EQ(f.view.OriginX(), 22 + 75);
    EXPECT_EQ(f.L().OriginX(), 22 + 75);

    // The window measures with its own fonts.
    struct CWide final : ITextMeasure {
        int TextWidth(const CFontDesc&, std::string_view text) override {
            return 20 * static_cast<int>(text.size());
        }
        int TextHeight(const CFontDesc&) override { return 30; }
    } wide;
    f.view.SetTextMeasure(&wide);
    f.view.OnUpdate(HINT_LAYOUT);
    EXPECT_EQ(f.view.OriginX(), 122);
    f.view.SetTextMeasure(nullptr);

    // A positive height counts the internal leading; a cell size below 1 counts as 1.
    record.height = 20;
    d.font = record;
    d.cellWidth = 0;
    f.view.SetDisplay(d);
    f.view.OnUpdate(HINT_LAYOUT);
    EXPECT_EQ(f.view.LadderFont().PixelSize(), 16);
    EXPECT_EQ(f.L().CellWidth(), 1);
    EXPECT_EQ(f.view.LadderWidth(), 9);
}

}  // namespace
}  // namespace varno::test
