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
    // The right rail is two pixels wide.
    const long long needed = static_cast<long long>(originX_) + ladderWidth_ + 2;
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
    int pageStart = 0;
    long long y = band.top;
    // How far down (row index, exclusive) the rows of the page from pageStart reach.
    std::vector<int> reachEnd;
    auto reach = [&](int j) {
        const CLDRow& row = *ladder.GetRow(j);
        return j + (row.IsComment() ? 1 : row.Extent());
    };
    for (int i = 0; i < rows; ++i) {
        const CLDRow& row = *ladder.GetRow(i);
        if (i > pageStart && y + CLadderRenderer::GroupHeight(row) * h > band.bottom) {
            // reachEnd[k]: the furthest reach of rows pageStart..pageStart + k.
            reachEnd.clear();
            int furthest = 0;
            for (int j = pageStart; j < i; ++j) {
                furthest = std::max(furthest, reach(j));
                reachEnd.push_back(furthest);
            }
            auto outsideBlocks = [&](int b) { return reachEnd[b - 1 - pageStart] <= b; };
            int b = i;
            while (b > pageStart && (ladder.GetRow(b)->HasVLine() || !outsideBlocks(b))) {
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
            pageStart = b;
            y = band.top;
            for (int j = b; j < i; ++j) {
                y += ladder.GetRow(j)->DisplayHeight() * h;
            }
        }
        y += row.DisplayHeight() * h;
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
