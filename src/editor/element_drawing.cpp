// One cell of an element row: contacts, coils, wires and functional blocks with their control
// inputs, operands and CODB table.
#include <algorithm>

#include "editor/ladder_renderer.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/codepage.h"

namespace varno {

namespace {

constexpr CPen THIN_PEN{PenStyle::Solid, 1, COLOR_BLACK};
constexpr unsigned CENTERED = TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE;
constexpr unsigned LEFT_CENTERED = TEXT_LEFT | TEXT_VCENTER | TEXT_SINGLELINE;
constexpr unsigned BOTTOM_CENTERED = TEXT_CENTER | TEXT_BOTTOM | TEXT_SINGLELINE;
constexpr unsigned BOTTOM_LEFT = TEXT_LEFT | TEXT_BOTTOM | TEXT_SINGLELINE;

}  // namespace

void CLadderRenderer::DrawCell(IDrawSurface& surface, const CLDCell& cell, int x, int y,
                               bool highlighted) const {
    const int W = cellWidth_;
    const int H = cellHeight_;
    const int L = LineLevel();
    if (highlighted) {
        const long long width = static_cast<long long>(FuncWidth(cell.Element())) * W;
        const long long height =
            static_cast<long long>(FuncHeight(cell.Element(), cell.Operands())) * H;
        surface.FillRect(
            CRect{x, y, static_cast<int>(std::min<long long>(x + width, 1'000'000'000)),
                  static_cast<int>(std::min<long long>(y + height, 1'000'000'000))},
            COLOR_HIGHLIGHT);
    }
    surface.SetBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    surface.SetPen(THIN_PEN);
    surface.SetTextColor(COLOR_BLACK);
    switch (cell.Kind()) {
        case LDCMD_BASIC:
            if (cell.IsCoil()) {
                DrawCoil(surface, cell, x, y);
            } else if (cell.IsContact()) {
                DrawContact(surface, cell, x, y);
            }
            break;
        case LDCMD_FUNC:
            DrawBlock(surface, cell, x, y);
            break;
        case LDCMD_HLINE:
            Line(surface, x, y + L, x + W, y + L);
            break;
        default:
            break;
    }
    if (cell.VLine()) {
        surface.SetPen(THIN_PEN);
        Line(surface, x, y + L - H, x, y + L);
    }
}

void CLadderRenderer::DrawLeads(IDrawSurface& surface, int x, int y) const {
    const int W = cellWidth_;
    const int L = LineLevel();
    const int a = x + (W - W / 5) / 2;
    const int b = a + W / 5;
    Line(surface, x, y + L, a, y + L);
    Line(surface, b, y + L, x + W, y + L);
}

void CLadderRenderer::DrawSlash(IDrawSurface& surface, int x, int y) const {
    const int H = cellHeight_;
    const int L = LineLevel();
    const int g = H / 8 - H / 64;
    const int mid = x + cellWidth_ / 2;
    Line(surface, mid + g - 1, y + L - g + 1, mid - g, y + L + g);
}

void CLadderRenderer::DrawLabels(IDrawSurface& surface, const CLDCell& cell, int x, int y,
                                 const char* letter) const {
    const int W = cellWidth_;
    const int H = cellHeight_;
    const int upper = y + H * 3 / 8;
    const int lower = y + H * 5 / 8;
    if (letter != nullptr) {
        surface.DrawText(letter, CRect{x, upper, x + W, lower}, CENTERED);
    }
    surface.DrawText(FormatAddress(cell.Address(), true), CRect{x, upper - H / 4, x + W, upper},
                     CENTERED | TEXT_NOCLIP);
    if (comments_ != nullptr) {
        const std::string symbol = comments_->SymbolOf(cell.Address());
        if (!symbol.empty()) {
            surface.DrawText(symbol, CRect{x, lower, x + W, lower + H / 4}, CENTERED | TEXT_NOCLIP);
        }
    }
}

void CLadderRenderer::DrawContact(IDrawSurface& surface, const CLDCell& cell, int x, int y) const {
    const int W = cellWidth_;
    const int H = cellHeight_;
    DrawLeads(surface, x, y);
    const int a = x + (W - W / 5) / 2;
    const int b = a + W / 5;
    Line(surface, a, y + H * 3 / 8, a, y + H * 5 / 8);
    Line(surface, b, y + H * 3 / 8, b, y + H * 5 / 8);
    const char* letter = nullptr;
    switch (cell.Code()) {
        case BASIC_RD_NOT:
            DrawSlash(surface, x, y);
            break;
        case BASIC_RDPT:
            letter = "P";
            break;
        case BASIC_RDNT:
            letter = "N";
            break;
        default:
            break;
    }
    DrawLabels(surface, cell, x, y, letter);
}

void CLadderRenderer::DrawCoil(IDrawSurface& surface, const CLDCell& cell, int x, int y) const {
    const int W = cellWidth_;
    const int H = cellHeight_;
    DrawLeads(surface, x, y);
    surface.Ellipse(CRect{x + W / 2 - W / 8, y + H * 3 / 8, x + W / 2 + W / 8, y + H * 5 / 8});
    const char* letter = nullptr;
    switch (cell.Code()) {
        case BASIC_WRT_NOT:
            DrawSlash(surface, x, y);
            break;
        case BASIC_SET:
            letter = "S";
            break;
        case BASIC_RST:
            letter = "R";
            break;
        default:
            break;
    }
    DrawLabels(surface, cell, x, y, letter);
}

void CLadderRenderer::DrawBlock(IDrawSurface& surface, const CLDCell& cell, int x, int y) const {
    const CFuncDescriptor* descriptor = FuncDescriptor(cell.Code());
    if (descriptor == nullptr) {
        return;
    }
    const int W = cellWidth_;
    const int H = cellHeight_;
    const int L = LineLevel();
    const int number = cell.Code();
    const int e = x + FuncWidth(cell.Element()) * W;
    const int left = x + W + W / 8;
    const int top = y + H / 8;
    const int bottom = y + descriptor->height * H - H + L;
    const int operands = FuncOperandCount(number);
    const int right = operands == 0 ? e - W + W / 8 : e - W / 8;
    surface.Rectangle(CRect{left, top, right, bottom});
    if (operands > 0) {
        Line(surface, left + W, top, left + W, bottom);
    }
    const int inputs = FuncInputCount(number);
    for (int i = 0; i < inputs; ++i) {
        const int yi = y + i * H + L;
        Line(surface, x, yi, left, yi);
        if (static_cast<std::size_t>(i) < descriptor->inputNames.size()) {
            surface.DrawText(descriptor->inputNames[static_cast<std::size_t>(i)],
                             CRect{x, y + i * H, left, yi}, BOTTOM_CENTERED);
        }
    }
    if (inputs == 0) {
        Line(surface, x, y + L, left, y + L);
    }
    Line(surface, right, y + L, e, y + L);
    const std::string name(FuncName(number).value_or(""));
    surface.DrawText(name, CRect{left + 3, y + L - H, operands == 0 ? right : left + W, y + L + H},
                     LEFT_CENTERED);
    for (int j = 0; j < operands; ++j) {
        const CLDCmd* operand = cell.Operand(j);
        if (operand == nullptr) {
            break;
        }
        surface.DrawText(FormatOperand(*operand, true),
                         CRect{left + W + 3, y + L - H + j * H, right, y + L + H + j * H},
                         LEFT_CENTERED);
    }
    if (number == FUNC_CODB) {
        DrawCodbTable(surface, cell, x, left, bottom);
    }
}

void CLadderRenderer::DrawCodbTable(IDrawSurface& surface, const CLDCell& cell, int x, int left,
                                    int bottom) const {
    const std::span<const CLDCmd> records = cell.Operands();
    const int first = FuncOperandCount(FUNC_CODB);
    const int length = FuncTableLength(cell.Element(), records);
    const bool pairs = !records.empty() && records[0].Constant() == 4;
    const int perLine = pairs ? 2 : 3;
    const int itemWidth = pairs ? cellWidth_ * 3 / 2 : cellWidth_;
    const int band = cellHeight_ / 2;
    for (int t = 0; static_cast<long long>(t) * perLine < length; ++t) {
        const long long top = bottom + cellHeight_ / 4 + static_cast<long long>(t) * band;
        if (top > passBottom_) {
            break;
        }
        const int bandTop = static_cast<int>(top);
        const int item0 = t * perLine;
        surface.DrawText(Format("%03d:", item0), CRect{x, bandTop, left, bandTop + band},
                         BOTTOM_LEFT);
        for (int k = 0; k < perLine && item0 + k < length; ++k) {
            const std::size_t index = static_cast<std::size_t>(first + item0 + k);
            if (index >= records.size()) {
                return;
            }
            const int itemLeft = left + k * itemWidth;
            surface.DrawText(FormatOperand(records[index], true),
                             CRect{itemLeft, bandTop, itemLeft + itemWidth, bandTop + band},
                             BOTTOM_LEFT);
        }
    }
}

}  // namespace varno
