// The ladder's geometry and rungs: display rows, pixel rectangles, hit tests and network ends.
// The per-row layout is computed once and reused until a row is linked or unlinked (the list's
// version) or a block's shape, a vertical wire or a comment's text changes anywhere
// (LayoutEpoch), so that the view and the compiler can ask in loops over a long program
// without making the loop quadratic or reading every row again.
#include <algorithm>
#include <climits>

#include "model/ladder.h"

namespace varno {

namespace {

int Saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

const CLadder::CLayout& CLadder::Layout() const {
    CLayout& l = layout_;
    if (l.version == Version() && l.epoch == LayoutEpoch()) {
        return l;
    }
    const std::size_t n = GetCount();
    l.start.assign(n + 1, 0);
    l.reachMax.assign(n, 0);
    l.reach.assign(n, 0);
    l.group.assign(n, 0);
    l.flags.assign(n, 0);
    std::int64_t display = 0;
    std::int64_t reachMax = 0;
    std::int64_t groupEnd = 0;
    std::int32_t groupStart = 0;
    constexpr std::size_t AHEAD = 16;
    for (std::size_t i = 0; i < n; ++i) {
        PrefetchRow(GetAt(i + AHEAD));
        const CLDRow& row = *GetAt(i);
        const int height = row.DisplayHeight();
        const CLDRow::CShape shape = row.Shape();
        const int reach = row.IsComment() ? height : shape.extent;
        if (static_cast<std::int64_t>(i) >= groupEnd) {
            groupStart = static_cast<std::int32_t>(i);
            groupEnd = static_cast<std::int64_t>(i) + (row.IsComment() ? 1 : reach);
        }
        l.start[i] = display;
        l.reach[i] = reach;
        l.group[i] = groupStart;
        l.flags[i] = static_cast<std::uint8_t>((row.IsComment() ? ROW_COMMENT : 0) |
                                               (shape.hasVLine ? ROW_VLINE : 0));
        reachMax = std::max(reachMax, display + reach);
        l.reachMax[i] = reachMax;
        display += height;
    }
    l.start[n] = display;
    l.version = Version();
    l.epoch = LayoutEpoch();
    return l;
}

int CLadder::NetworkEnd(int start) const {
    if (GetRow(start) == nullptr) {
        return start;
    }
    const CLayout& l = Layout();
    auto extent = [&](long long row) -> long long {
        const std::size_t i = static_cast<std::size_t>(row);
        return (l.flags[i] & ROW_COMMENT) != 0 ? 1 : l.reach[i];
    };
    const long long rows = RowCount();
    long long end = start + extent(start);
    while (end < rows && (l.flags[static_cast<std::size_t>(end)] & ROW_VLINE) != 0) {
        end += extent(end);
    }
    return Saturate(end);
}

int CLadder::DisplayRowCount() const {
    return Saturate(Layout().start.back());
}

bool CLadder::InBounds(int displayRow, int column) const {
    return displayRow >= 0 && displayRow < Layout().start.back() && column >= 0 &&
           column < LADDER_WIDTH;
}

int CLadder::DisplayRowOf(int index) const {
    const CLayout& l = Layout();
    std::size_t i = std::min(static_cast<std::size_t>(std::max(index, 0)), l.start.size() - 1);
    return Saturate(l.start[i]);
}

std::optional<CRect> CLadder::CellRect(int displayRow, int column) const {
    if (!InBounds(displayRow, column)) {
        return std::nullopt;
    }
    long long left = static_cast<long long>(column) * cellWidth_ + originX_;
    long long top = static_cast<long long>(displayRow) * cellHeight_ + originY_;
    return CRect{Saturate(left), Saturate(top), Saturate(left + cellWidth_),
                 Saturate(top + cellHeight_)};
}

CRect CLadder::LadderRect() const {
    long long bottom = Layout().start.back() * cellHeight_;
    return CRect{originX_, originY_,
                 Saturate(static_cast<long long>(LADDER_WIDTH) * cellWidth_ + originX_),
                 Saturate(bottom + originY_)};
}

CCellPos CLadder::PixelToCell(int x, int y) const {
    long long row = (static_cast<long long>(y) - originY_) / cellHeight_;
    long long column = (static_cast<long long>(x) - originX_) / cellWidth_;
    long long lastRow = std::max<long long>(Layout().start.back() - 1, 0);
    return CCellPos{Saturate(std::clamp<long long>(row, 0, lastRow)),
                    static_cast<int>(std::clamp<long long>(column, 0, LADDER_WIDTH - 1))};
}

std::optional<CElemInfo> CLadder::Locate(int displayRow, int column) const {
    if (!InBounds(displayRow, column)) {
        return std::nullopt;
    }
    const CLayout& l = Layout();
    const std::int64_t y = displayRow;
    // Rows before `first` end (blocks included) above y; rows after `last` start below it.
    auto firstIt = std::upper_bound(l.reachMax.begin(), l.reachMax.end(), y);
    auto lastIt = std::upper_bound(l.start.begin(), l.start.end() - 1, y);
    const std::size_t first = static_cast<std::size_t>(firstIt - l.reachMax.begin());
    const std::size_t last = static_cast<std::size_t>(lastIt - l.start.begin());
    for (std::size_t i = first; i < last; ++i) {
        const std::int64_t d = l.start[i];
        if (y >= d + l.reach[i]) {
            continue;
        }
        const int subRow = static_cast<int>(y - d);
        std::optional<CCovering> covering = GetAt(i)->FindCovering(column, subRow);
        if (!covering) {
            continue;
        }
        const std::size_t group = static_cast<std::size_t>(l.group[i]);
        const CLDRow& groupRow = *GetAt(group);
        CElemInfo info;
        info.cell = covering->cell;
        info.row = static_cast<int>(i);
        info.column = covering->column;
        info.lineRow = Saturate(static_cast<long long>(i) + subRow);
        info.groupStart = l.group[i];
        info.groupEnd =
            Saturate(static_cast<long long>(group) + (groupRow.IsComment() ? 1 : l.reach[group]));
        return info;
    }
    return std::nullopt;
}

bool CLadder::LocateRow(int row, int column, CElemInfo& info) const {
    if (!InBounds(row, column)) {
        return false;
    }
    CLDRow* r = GetRow(row);
    if (r == nullptr) {
        return false;
    }
    std::optional<CCovering> covering = r->FindCovering(column, 0);
    if (!covering) {
        return false;
    }
    info.cell = covering->cell;
    info.column = covering->column;
    info.row = row;
    return true;
}

}  // namespace varno
