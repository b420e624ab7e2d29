// Reading the INI form of a profile file into sections and entries, in file order.
//
// The file is bytes in the code page (GBK); nothing is converted. The rules, chosen so that the
// files the original platform's profile functions wrote and read (and hand edits of them) read
// the same way here:
// - A UTF-8 byte-order mark at the very start is skipped (editors add one).
// - Lines end at LF. Leading and trailing white space of a line is dropped: space, TAB, CR, VT,
//   FF and Ctrl-Z (the last is the end-of-file mark old editors leave behind).
// - Empty lines are skipped; a line starting with ";" is a comment.
// - A line starting with "[" that holds a "]" is a section header: the name is the text up to
//   the first "]" (a GBK trail byte that looks like "]" does not end it), without surrounding
//   white space; text after the "]" is ignored. A "[" line without "]" is an ordinary line.
// - Any other line is an entry: the key is the text before the first "=", the value the text
//   after it, each without surrounding white space. Lines without "=" and entries with an empty
//   key are skipped.
// - Entries before the first header, or under a header with an empty name, belong to no
//   section and are dropped (section names are never empty).
// - A header whose name (ignoring letter case) was seen before continues that section: its
//   entries are added to the first one. Hand-edited files sometimes repeat a header; the
//   original platform would have hidden the second part, merging loses nothing.
// - A key that repeats within a section keeps its first position and takes the last value.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varno {

struct CIniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;  // key, value
};

std::vector<CIniSection> ParseIni(std::string_view bytes);

}  // namespace varno
