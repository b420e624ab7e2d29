#include "comments/comment_rows.h"

#include "model/address.h"

namespace varno {

std::string CommentCellText(const CCommentGrp& group, std::size_t row, int column) {
    if (row >= group.GetSize()) {
        return {};
    }
    const CCommentItem& item = group.GetAt(row);
    switch (column) {
        case COMMENT_INDEX:
            return std::to_string(row);
        case COMMENT_ADDRESS:
            return item.AddressText();
        case COMMENT_SYMBOL:
            return item.symbol;
        case COMMENT_1:
            return item.comment1;
        case COMMENT_2:
            return item.comment2;
        default:
            return {};
    }
}

std::optional<LDADDR> CommentAddressOf(const CCommentList& list, std::string_view text) {
    LDADDR addr{};
    if (!ParseAddress(text, addr) || addr.letter == 0) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(addr.letter);
    if (list.FindGroup(std::string_view(&letter, 1)) == nullptr) {
        return std::nullopt;
    }
    return addr;
}

bool AddComment(CCommentList& list, std::string_view addressText, std::string_view symbol,
                std::string_view comment1, std::string_view comment2) {
    const std::optional<LDADDR> addr = CommentAddressOf(list, addressText);
    return addr && list.SetComment(*addr, symbol, comment1, comment2);
}

bool ModifyCommentAt(CCommentList& list, CCommentGrp& group, std::size_t row,
                     std::string_view symbol, std::string_view comment1,
                     std::string_view comment2) {
    if (row >= group.GetSize()) {
        return false;
    }
    const CCommentItem item{group.GetAt(row).address, std::string(symbol), std::string(comment1),
                            std::string(comment2)};
    return list.ReplaceAt(group, row, item);
}

bool DeleteCommentAt(CCommentList& list, const CCommentGrp& group, std::size_t row) {
    if (row >= group.GetSize()) {
        return false;
    }
    const LDADDR addr = group.GetAt(row).address;
    return list.Delete(addr);
}

}  // namespace varno
