// Comment text exchange: the comment 1 texts of one group as plain lines, for the comment
// window's Export and Load.
//
// GBK text, lines ending in CR LF. An exported line is the item's address text (with the bit
// when it has one), a TAB and its comment 1; items without comment 1 are left out. A loaded
// line of that form, with an address of the group's letter, gives its text to the item of
// that address; any other line is taken whole as the comment 1 of the item at its position.
#pragma once

#include <string>

#include "comments/comment_list.h"

namespace varno {

// The export file's text.
std::string ExportCommentText(const CCommentGrp& group);
// Writes the export file, replacing an old one only once complete. False when it cannot be
// written (the reason goes to error).
bool ExportComments(const CCommentGrp& group, const std::string& path,
                    std::string* error = nullptr);

// Each line of the text (line ends removed, nothing else changed) sets one comment 1:
// - "ADDRESS<TAB>text" with an address of the group's letter: the text goes to the item with
//   that address, and is dropped when the group has no such item. Exported files thereby
//   load back onto their own addresses even where items without comment 1 were left out.
// - any other line i (counting every line from 0) becomes the comment 1 of item i, as long as
//   the group has that many items.
// Items no line names keep their comment 1. Marks the list modified and tells its listeners
// once. The group must belong to the list.
void LoadCommentText(CCommentList& list, CCommentGrp& group, std::string_view text);
// The same from a file; false, with nothing changed, when it cannot be read.
bool LoadComments(CCommentList& list, CCommentGrp& group, const std::string& path,
                  std::string* error = nullptr);

}  // namespace varno
