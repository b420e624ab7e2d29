// Element comments of one address letter: CCommentItem records kept in ascending key order
// (byte number * 256 + signed bit, so a byte address sorts directly before bit 0 of its byte),
// without two items of one key.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ldcmd.h"

namespace varno {

struct CCommentItem {
    LDADDR address;
    std::string symbol;
    std::string comment1;
    std::string comment2;

    // The sort key of the address.
    int Key() const { return Key(address); }
    static int Key(const LDADDR& addr) { return addr.number * 256 + addr.bit; }
    // The address text with the bit when there is one (X0000.1, D0010).
    std::string AddressText() const;

    bool operator==(const CCommentItem&) const = default;
};

class CCommentGrp {
public:
    explicit CCommentGrp(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    std::size_t GetSize() const { return items_.size(); }
    const CCommentItem& GetAt(std::size_t index) const { return items_[index]; }
    const std::vector<CCommentItem>& Items() const { return items_; }

    void RemoveAll() { items_.clear(); }
    // The address text of the item at an index; empty outside the group.
    std::string AddressTextAt(std::size_t index) const;
    // byte number * 8 + bit of an address text (a byte address counts as bit 0); nullopt when
    // the text is not an address.
    static std::optional<int> LinearIndex(std::string_view addressText);

    // The item with the address's key, or null.
    const CCommentItem* Find(const LDADDR& addr) const;
    // Puts a copy in key order; an item with the same key is replaced.
    void AddOrReplace(const CCommentItem& item);
    // False when no item has the address's key.
    bool Remove(const LDADDR& addr);
    // Replaces the texts of the item at an index; its address stays, so the order holds.
    // False outside the group.
    bool ReplaceAt(std::size_t index, const CCommentItem& item);

private:
    std::vector<CCommentItem>::iterator LowerBound(int key);

    std::string name_;
    std::vector<CCommentItem> items_;
};

}  // namespace varno
