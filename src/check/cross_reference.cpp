#include "check/cross_reference.h"

#include "check/address_key.h"
#include "check/stable_radix_sort.h"

namespace varno {

namespace {

void Count(CXrefAddress& entry, Access access) {
    switch (access) {
        case Access::Read:
            ++entry.reads;
            break;
        case Access::Write:
            ++entry.writes;
            break;
        case Access::ReadWrite:
            ++entry.reads;
            ++entry.writes;
            break;
        case Access::None:
            ++entry.others;
            break;
    }
}

}  // namespace

CCrossReference BuildCrossReference(const CLadderList& programs, const CCommentList& comments,
                                    const CAddressPattern& pattern) {
    CCrossReference xref;
    std::vector<CAddressUse> all;
    // Rarely more than two uses a row: reserving spares the list's growth.
    constexpr std::uint64_t USES_PER_ROW = 2;
    all.reserve(programs.TotalRows() * USES_PER_ROW);
    std::uint32_t program = 0;
    for (const CLadder& ladder : programs) {
        xref.programs.push_back(ladder.Name());
        CollectUses(ladder, program++, 0, ladder.GetCount(), all, nullptr);
    }
    StableRadixSort(all, [](const CAddressUse& use) { return AddressKey(use.address); });

    // The uses of the selected addresses move up in place: all of them when all are selected.
    std::size_t kept = 0;
    for (std::size_t first = 0; first < all.size();) {
        std::size_t end = first + 1;
        while (end < all.size() && all[end].address == all[first].address) {
            ++end;
        }
        CXrefAddress entry;
        entry.address = all[first].address;
        const CCommentItem* item = comments.FindItem(entry.address);
        if (item != nullptr) {
            entry.symbol = item->symbol;
        }
        if (pattern.Matches(entry.address, entry.symbol)) {
            if (item != nullptr) {
                entry.comment = item->comment1;
            }
            entry.first = kept;
            entry.count = end - first;
            for (std::size_t i = first; i < end; ++i) {
                Count(entry, all[i].access);
                all[kept++] = all[i];
            }
            xref.addresses.push_back(std::move(entry));
        }
        first = end;
    }
    all.resize(kept);
    xref.uses = std::move(all);
    return xref;
}

}  // namespace varno
