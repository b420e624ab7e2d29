// The ladder's geometry and rungs: display rows, pixel rectangles, hit tests and network ends.
// Each row's display height, reach and wiring are cached in the row and kept current by the
// ladder's own edits and by every link and unlink; the running sums over rows are recomputed
// only from the first changed row, and only as far as a question needs. An edit near the caret
// of a long program therefore costs what the edit touches, not the length of the program.
#include <algorithm>
#include <climits>

#include "model/ladder.h"

namespace varno {

namespace {

int Saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

CLadder::CEditScope::CEditScope(const CLadder& ladder, int first, int last) : ladder_(ladder) {
    if (ladder_.editDepth_++ == 0) {
        ladder_.editWasCurrent_ = ladder_.LayoutCurrent();
        ladder_.editFirst_ = first;
        ladder_.editLast_ = last;
    } else {
        ladder_.editFirst_ = std::min(ladder_.editFirst_, first);
        ladder_.editLast_ = std::max(ladder_.editLast_, last);
    }
}

CLadder::CEditScope::~CEditScope() {
    if (--ladder_.editDepth_ != 0 || !ladder_.editWasCurrent_) {
        return;
    }
    CLayout& l = ladder_.layout_;
    const int rows = ladder_.RowCount();
    const int first = std::max(ladder_.editFirst_, 0);
    const int last = std::min(ladder_.editLast_, rows - 1);
    for (int i = first; i <= last; ++i) {
        l.total += ladder_.RefreshRow(*ladder_.GetRow(i));
    }
    if (first <= last) {
        ladder_.Forget(static_cast<std::size_t>(first));
    }
    l.epoch = LayoutEpoch();
}

bool CLadder::LayoutCurrent() const {
    return layout_.rowsCurrent && layout_.epoch == LayoutEpoch();
}

std::int64_t CLadder::RefreshRow(const CLDRow& row) const {
    CLDRow::CLayoutCache& cache = row.LayoutCache();
    const std::int64_t before = cache.height;
    const CLDRow::CShape shape = row.Shape();
    CLDRow::CLayoutCache now;
    now.comment = row.IsComment();
    now.height = row.DisplayHeight();
    now.reach = now.comment ? now.height : shape.extent;
    now.vline = shape.hasVLine;
    // Only a changed cache is written: a walk over a long program then leaves its rows clean.
    if (!(cache == now)) {
        cache = now;
    }
    return now.height - before;
}

void CLadder::Forget(std::size_t firstChanged) const {
    layout_.valid = std::min(layout_.valid, firstChanged);
}

bool CLadder::KeepUpWithLinks() const {
    const bool current = editDepth_ > 0 ? editWasCurrent_ : LayoutCurrent();
    if (!current) {
        layout_.rowsCurrent = false;
    }
    return current;
}

void CLadder::OnLinked(std::size_t index, std::size_t count) {
    if (!KeepUpWithLinks()) {
        return;
    }
    for (std::size_t i = index; i < index + count; ++i) {
        const CLDRow& row = *GetAt(i);
        row.LayoutCache() = CLDRow::CLayoutCache{0, 0, false, false};
        layout_.total += RefreshRow(row);
    }
    Forget(index);
}

void CLadder::OnUnlinking(std::size_t index, std::size_t count) {
    if (!KeepUpWithLinks()) {
        return;
    }
    for (std::size_t i = index; i < index + count; ++i) {
        layout_.total -= GetAt(i)->LayoutCache().height;
    }
    Forget(index);
}

const CLadder::CLayout& CLadder::Layout() const {
    CLayout& l = layout_;
    const std::size_t n = GetCount();
    if (l.start.size() != n + 1) {
        l.start.resize(n + 1);
        l.reachMax.resize(n);
        l.group.resize(n);
        l.reach.resize(n);
        l.flags.resize(n);
        l.valid = std::min(l.valid, n);
    }
    if (!LayoutCurrent()) {
        // Start over: every row's cache and all the sums in one walk.
        l.valid = 0;
        SumRows(n, true);
        l.total = l.start[n];
        l.rowsCurrent = true;
        l.epoch = LayoutEpoch();
    }
    return l;
}

void CLadder::ExtendSums(std::size_t upTo) const {
    if (upTo > Layout().valid) {
        SumRows(upTo, false);
    }
}

void CLadder::SumRows(std::size_t upTo, bool refresh) const {
    CLayout& l = layout_;
    std::size_t i = l.valid;
    std::int64_t display = i == 0 ? 0 : l.start[i];
    std::int64_t reachMax = i == 0 ? 0 : l.reachMax[i - 1];
    std::int32_t groupStart = i == 0 ? 0 : l.group[i - 1];
    std::int64_t groupEnd =
        i == 0 ? 0 : groupStart + GroupLength(static_cast<std::size_t>(groupStart));
    constexpr std::size_t AHEAD = 16;
    for (; i < upTo; ++i) {
        const CLDRow* ahead = GetAt(i + AHEAD);
        if (refresh) {
            PrefetchRow(ahead);
        } else if (ahead != nullptr) {
            __builtin_prefetch(&ahead->LayoutCache());
        }
        const CLDRow& row = *GetAt(i);
        if (refresh) {
            RefreshRow(row);
        }
        const CLDRow::CLayoutCache& cache = row.LayoutCache();
        l.reach[i] = cache.reach;
        l.flags[i] = static_cast<std::uint8_t>((cache.comment ? ROW_COMMENT : 0) |
                                               (cache.vline ? ROW_VLINE : 0));
        if (static_cast<std::int64_t>(i) >= groupEnd) {
            groupStart = static_cast<std::int32_t>(i);
            groupEnd = static_cast<std::int64_t>(i) + GroupLength(i);
        }
        l.start[i] = display;
        l.group[i] = groupStart;
        reachMax = std::max(reachMax, display + cache.reach);
        l.reachMax[i] = reachMax;
        display += cache.height;
    }
    l.start[upTo] = display;
    l.valid = upTo;
}

void CLadder::ExtendSumsPast(std::int64_t y) const {
    const CLayout& l = Layout();
    const std::size_t n = GetCount();
    // Grow the valid stretch in doubling steps, so a far question costs linear time overall.
    std::size_t step = 64;
    while (l.valid < n && l.start[l.valid] <= y) {
        ExtendSums(std::min(n, l.valid + step));
        step *= 2;
    }
}

void CLadder::ExtendSumsTo(std::size_t index) const {
    if (index >= Layout().valid) {
        // A little past the row, so that a walk row by row extends them in runs.
        ExtendSums(std::min(GetCount(), index + 64));
    }
}

std::int64_t CLadder::GroupLength(std::size_t row) const {
    return (layout_.flags[row] & ROW_COMMENT) != 0 ? 1 : layout_.reach[row];
}

int CLadder::NetworkEnd(int start) const {
    if (GetRow(start) == nullptr) {
        return start;
    }
    auto extent = [&](long long row) -> long long {
        ExtendSumsTo(static_cast<std::size_t>(row));
        return GroupLength(static_cast<std::size_t>(row));
    };
    auto vline = [&](long long row) {
        ExtendSumsTo(static_cast<std::size_t>(row));
        return (layout_.flags[static_cast<std::size_t>(row)] & ROW_VLINE) != 0;
    };
    const long long rows = RowCount();
    long long end = start + extent(start);
    while (end < rows && vline(end)) {
        end += extent(end);
    }
    return Saturate(end);
}

int CLadder::DisplayRowCount() const {
    return Saturate(Layout().total);
}

bool CLadder::InBounds(int displayRow, int column) const {
    return displayRow >= 0 && displayRow < Layout().total && column >= 0 && column < LADDER_WIDTH;
}

int CLadder::DisplayRowOf(int index) const {
    const std::size_t i = std::min(static_cast<std::size_t>(std::max(index, 0)), GetCount());
    ExtendSums(i);
    return Saturate(layout_.start[i]);
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
    long long bottom = Layout().total * cellHeight_;
    return CRect{originX_, originY_,
                 Saturate(static_cast<long long>(LADDER_WIDTH) * cellWidth_ + originX_),
                 Saturate(bottom + originY_)};
}

CCellPos CLadder::PixelToCell(int x, int y) const {
    long long row = (static_cast<long long>(y) - originY_) / cellHeight_;
    long long column = (static_cast<long long>(x) - originX_) / cellWidth_;
    long long lastRow = std::max<long long>(Layout().total - 1, 0);
    return CCellPos{Saturate(std::clamp<long long>(row, 0, lastRow)),
                    static_cast<int>(std::clamp<long long>(column, 0, LADDER_WIDTH - 1))};
}

std::optional<CElemInfo> CLadder::Locate(int displayRow, int column) const {
    if (!InBounds(displayRow, column)) {
        return std::nullopt;
    }
    const std::int64_t y = displayRow;
    ExtendSumsPast(y);
    const CLayout& l = layout_;
    // Rows before `first` end (blocks included) above y; rows after `last` start below it.
    auto firstIt = std::upper_bound(l.reachMax.begin(), l.reachMax.begin() + l.valid, y);
    auto lastIt = std::upper_bound(l.start.begin(), l.start.begin() + l.valid, y);
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
        CElemInfo info;
        info.cell = covering->cell;
        info.row = static_cast<int>(i);
        info.column = covering->column;
        info.lineRow = Saturate(static_cast<long long>(i) + subRow);
        info.groupStart = l.group[i];
        info.groupEnd = Saturate(static_cast<long long>(group) + GroupLength(group));
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
