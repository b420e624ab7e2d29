// Printed pages: the page mapping, the band, pagination, header and footer.
#include <algorithm>

#include "editor/ladder_renderer.h"
#include "platform/codepage.h"
#include "platform/strings/view.h"

namespace varno {

CRect CLadderRenderer::PageRect(int printerWidth, int printerHeight, int dpiX, int dpiY) const {
    auto logical = [](int pixels, int dpi) {
        if (pixels <= 0 || dpi <= 0) {
            return 0;
        }
        return static_cast<int>(static_cast<long long>(pixels) * 96 / dpi);
    };
    long long width = logical(printerWidth, dpiX);
    long long height = logical(printerHeight, dpiY);
    // The right rail is two pixels wide; the page keeps as much white right of it as the
    // margin strip leaves left of the row numbers, so the rail never falls on the paper's edge.
    const long long needed = static_cast<long long>(originX_) + ladderWidth_ + 2 + LEFT_MARGIN;
    if (width > 0 && width < needed) {
        height = std::min<long long>(height * needed / width, 1'000'000'000);
        width = needed;
    }
    return CRect{0, 0, static_cast<int>(width), static_cast<int>(height)};
}

CRect CLadderRenderer::BandRect(const CRect& page) const {
    return CRect{page.left, page.top + 2 * cellHeight_, page.right, page.bottom - 2 * cellHeight_};
}

std::vector<int> CLadderRenderer::Paginate(const CLadder& ladder, const CRect& band) const {
    std::vector<int> starts{0};
    const long long h = cellHeight_;
    const int rows = ladder.RowCount();
    // The rows of the current page so far, from pageStart on: how far down (row index,
    // exclusive) each reaches, its display height, and whether it joins the row above.
    struct CPageRow {
        int reachEnd;
        int height;
        bool vline;
    };
    std::vector<CPageRow> page;
    std::vector<int> furthest;
    int pageStart = 0;
    long long y = band.top;
    for (int i = 0; i < rows; ++i) {
        PrefetchRow(ladder.GetRow(i + 8));
        const CLDRow& row = *ladder.GetRow(i);
        const CLDRow::CShape shape = row.IsComment() ? CLDRow::CShape{1, false} : row.Shape();
        const int height = row.DisplayHeight();
        const int group = row.IsComment() ? height : shape.extent;
        if (i > pageStart && y + group * h > band.bottom) {
            furthest.clear();
            int reach = 0;
            for (const CPageRow& r : page) {
                reach = std::max(reach, r.reachEnd);
                furthest.push_back(reach);
            }
            auto at = [&](int b) { return static_cast<std::size_t>(b - pageStart); };
            // A page may end before b when no block of the page reaches past b.
            auto outsideBlocks = [&](int b) { return furthest[at(b) - 1] <= b; };
            auto joined = [&](int b) { return b < i ? page[at(b)].vline : shape.hasVLine; };
            int b = i;
            while (b > pageStart && (joined(b) || !outsideBlocks(b))) {
                --b;
            }
            if (b == pageStart) {
                // The rung fills the page alone: end the page at a block's end at least.
                b = i;
                while (b > pageStart && !outsideBlocks(b)) {
                    --b;
                }
                if (b == pageStart) {
                    b = i;
                }
            }
            starts.push_back(b);
            page.erase(page.begin(), page.begin() + static_cast<std::ptrdiff_t>(at(b)));
            pageStart = b;
            y = band.top;
            for (const CPageRow& r : page) {
                y += r.height * h;
            }
        }
        page.push_back(CPageRow{i + (row.IsComment() ? 1 : shape.extent), height, shape.hasVLine});
        y += height * h;
    }
    return starts;
}

std::string CLadderRenderer::HeaderText(const CVersionArray& versions) const {
    const int line = display_.showComment2 != 0 ? 1 : 0;
    return versions.GetVersionLine(CVersionArray::COMPANY, line) + " " +
           versions.GetVersionLine(CVersionArray::PRODUCT, line) + " " +
           versions.GetVersionLine(CVersionArray::VERSION, line);
}

std::string CLadderRenderer::FooterText(int page, int count) {
    return Format(LoadString(IDS_PAGE_FOOTER).c_str(), page, count);
}

void CLadderRenderer::PrintPage(IDrawSurface& surface, const CLadder& ladder,
                                const CCommentList& comments, const CVersionArray& versions,
                                const std::vector<int>& pageStarts, int page,
                                const CRect& pageRect) {
    if (page < 1 || static_cast<std::size_t>(page) > pageStarts.size()) {
        return;
    }
    const CRect band = BandRect(pageRect);
    surface.SetOrigin(pageRect.left, pageRect.top);
    surface.SetFont(ladderFont_);
    surface.SetTextColor(COLOR_BLACK);
    const int textHeight = surface.TextHeight(ladderFont_);
    surface.DrawText(HeaderText(versions),
                     CRect{band.left, band.top - 2 * textHeight, band.right, band.top},
                     TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE);
    surface.DrawText(FooterText(page, static_cast<int>(pageStarts.size())),
                     CRect{band.left, band.bottom, band.right, band.bottom + 2 * textHeight},
                     TEXT_CENTER | TEXT_BOTTOM | TEXT_SINGLELINE);
    surface.SetClip(band);
    DrawRails(surface, band.top, band.bottom);
    const std::size_t p = static_cast<std::size_t>(page);
    const int first = pageStarts[p - 1];
    const int end = p < pageStarts.size() ? pageStarts[p] : ladder.RowCount();
    const CRowsPass pass{ladder, comments, band, nullptr, true};
    DrawRows(surface, pass, first, end, band.top);
    surface.ResetClip();
}

}  // namespace varno
