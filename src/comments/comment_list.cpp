#include "comments/comment_list.h"

#include "model/address.h"

namespace varno {

namespace {

constexpr const char* DEFAULT_GROUPS[] = {"A", "C", "D", "F", "G", "K", "P", "R", "T", "X", "Y"};

}  // namespace

CCommentList::CCommentList() {
    Reset();
}

void CCommentList::Reset() {
    groups_.clear();
    for (const char* name : DEFAULT_GROUPS) {
        groups_.push_back(std::make_unique<CCommentGrp>(name));
    }
    watchers_->Changed();
}

void CCommentList::MarkChanged() {
    modified_ = true;
    watchers_->Changed();
}

CCommentGrp* CCommentList::FindGroup(std::string_view name) const {
    for (const auto& group : groups_) {
        if (group->Name() == name) {
            return group.get();
        }
    }
    return nullptr;
}

const CCommentItem* CCommentList::FindItem(const LDADDR& addr) const {
    const char letter = static_cast<char>(addr.letter);
    const CCommentGrp* group = FindGroup(std::string_view(&letter, 1));
    return group != nullptr ? group->Find(addr) : nullptr;
}

bool CCommentList::AddOrReplace(const CCommentItem& item) {
    const char letter = static_cast<char>(item.address.letter);
    CCommentGrp* group = FindGroup(std::string_view(&letter, 1));
    if (group == nullptr) {
        return false;
    }
    group->AddOrReplace(item);
    return true;
}

bool CCommentList::Delete(const LDADDR& addr) {
    const char letter = static_cast<char>(addr.letter);
    CCommentGrp* group = FindGroup(std::string_view(&letter, 1));
    if (group == nullptr || !group->Remove(addr)) {
        return false;
    }
    MarkChanged();
    return true;
}

bool CCommentList::ReplaceAt(CCommentGrp& group, std::size_t index, const CCommentItem& item) {
    if (!group.ReplaceAt(index, item)) {
        return false;
    }
    MarkChanged();
    return true;
}

bool CCommentList::SetComment(const LDADDR& addr, std::string_view symbol,
                              std::string_view comment1, std::string_view comment2) {
    if (!AddOrReplace(CCommentItem{addr, std::string(symbol), std::string(comment1),
                                   std::string(comment2)})) {
        return false;
    }
    MarkChanged();
    return true;
}

std::string CCommentList::SymbolOf(const LDADDR& addr) const {
    const CCommentItem* item = FindItem(addr);
    return item != nullptr ? item->symbol : std::string();
}

std::string CCommentList::CommentOf(const LDADDR& addr, int which) const {
    const CCommentItem* item = FindItem(addr);
    if (item == nullptr) {
        return {};
    }
    return which == 0 ? item->comment1 : item->comment2;
}

std::optional<std::string> CCommentList::AddressOfSymbol(std::string_view symbol) const {
    if (symbol.empty()) {
        return std::nullopt;
    }
    for (const auto& group : groups_) {
        for (const CCommentItem& item : group->Items()) {
            if (item.symbol == symbol) {
                return item.AddressText();
            }
        }
    }
    return std::nullopt;
}

std::size_t CCommentList::TotalCount() const {
    std::size_t total = 0;
    for (const auto& group : groups_) {
        total += group->GetSize();
    }
    return total;
}

}  // namespace varno
