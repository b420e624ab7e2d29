// Comment text exchange: the comment 1 texts of one group as plain lines, for the comment
// window's Export and Load.
//
// GBK text, lines ending in CR LF. An exported line is the item's address text (with the bit
// when it has one), a TAB and its comment 1; items without comment 1 are left out. A loaded
// line is taken whole as a comment 1: line i becomes the comment 1 of item i of the group.
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

// Line i of the text (line ends removed, nothing else changed) becomes the comment 1 of item
// i of the group, until the lines or the items run out; the other items keep theirs. Marks
// the list modified. The group must belong to the list.
void LoadCommentText(CCommentList& list, CCommentGrp& group, std::string_view text);
// The same from a file; false, with nothing changed, when it cannot be read.
bool LoadComments(CCommentList& list, CCommentGrp& group, const std::string& path,
                  std::string* error = nullptr);

}  // namespace varno
