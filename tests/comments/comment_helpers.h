// What the comment tests build and compare: addresses from parts, and a list's items as text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "comments/comment_list.h"

namespace varno::test {

inline LDADDR Addr(char letter, int number, int bit = -1) {
    return LDADDR{static_cast<std::uint8_t>(letter), static_cast<std::int8_t>(bit),
                  static_cast<std::uint16_t>(number)};
}

// Every item as "address|symbol|comment 1|comment 2", in list order.
inline std::vector<std::string> Items(const CCommentList& list) {
    std::vector<std::string> items;
    for (const auto& group : list.Groups()) {
        for (const CCommentItem& item : group->Items()) {
            items.push_back(item.AddressText() + "|" + item.symbol + "|" + item.comment1 + "|" +
                            item.comment2);
        }
    }
    return items;
}

}  // namespace varno::test
