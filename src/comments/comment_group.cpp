#include "comments/comment_group.h"

#include <algorithm>

#include "model/address.h"

namespace varno {

std::string CCommentItem::AddressText() const {
    return FormatAddress(address, true);
}

std::string CCommentGrp::AddressTextAt(std::size_t index) const {
    return index < items_.size() ? items_[index].AddressText() : std::string();
}

std::optional<int> CCommentGrp::LinearIndex(std::string_view addressText) {
    LDADDR addr;
    if (!ParseAddress(addressText, addr)) {
        return std::nullopt;
    }
    return addr.number * 8 + std::max<int>(addr.bit, 0);
}

std::vector<CCommentItem>::iterator CCommentGrp::LowerBound(int key) {
    return std::lower_bound(items_.begin(), items_.end(), key,
                            [](const CCommentItem& item, int k) { return item.Key() < k; });
}

const CCommentItem* CCommentGrp::Find(const LDADDR& addr) const {
    const int key = CCommentItem::Key(addr);
    auto it = const_cast<CCommentGrp*>(this)->LowerBound(key);
    return it != items_.end() && it->Key() == key ? &*it : nullptr;
}

void CCommentGrp::AddOrReplace(const CCommentItem& item) {
    auto it = LowerBound(item.Key());
    if (it != items_.end() && it->Key() == item.Key()) {
        *it = item;
    } else {
        items_.insert(it, item);
    }
}

bool CCommentGrp::Remove(const LDADDR& addr) {
    auto it = LowerBound(CCommentItem::Key(addr));
    if (it == items_.end() || it->Key() != CCommentItem::Key(addr)) {
        return false;
    }
    items_.erase(it);
    return true;
}

bool CCommentGrp::ReplaceAt(std::size_t index, const CCommentItem& item) {
    if (index >= items_.size()) {
        return false;
    }
    const LDADDR address = items_[index].address;
    items_[index] = item;
    items_[index].address = address;
    return true;
}

}  // namespace varno
