// The comment window's rows and edits: the cell texts of a group's items and the changes the
// window makes, so that the window only shows what these answer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "comments/comment_list.h"

namespace varno {

// The columns of the comment list, in order.
enum CommentColumn { COMMENT_INDEX, COMMENT_ADDRESS, COMMENT_SYMBOL, COMMENT_1, COMMENT_2 };
inline constexpr int COMMENT_COLUMN_COUNT = 5;

// The text of a cell: the row number, the item's address text, symbol, comment 1, comment 2.
// Empty outside the group or the columns.
std::string CommentCellText(const CCommentGrp& group, std::size_t row, int column);

// The address an element comment would be kept under: the text read as an address whose
// letter has a group. nullopt otherwise (a plain number, a letter such as L).
std::optional<LDADDR> CommentAddressOf(const CCommentList& list, std::string_view text);

// Add: the comment goes to its letter's group, in key order, replacing the item of that
// address. False, with nothing stored, when the text names no address with a group.
bool AddComment(CCommentList& list, std::string_view addressText, std::string_view symbol,
                std::string_view comment1, std::string_view comment2);

// Modify: new texts for the item at the row; its address stays. False outside the group.
bool ModifyCommentAt(CCommentList& list, CCommentGrp& group, std::size_t row,
                     std::string_view symbol, std::string_view comment1, std::string_view comment2);

// Delete: removes the item at the row. False outside the group.
bool DeleteCommentAt(CCommentList& list, const CCommentGrp& group, std::size_t row);

}  // namespace varno
