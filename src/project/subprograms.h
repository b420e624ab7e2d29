// The workspace's rules for subprograms: which programs get a node under the subprogram folder,
// the node's label, and the program-list and comment changes of Add, Delete, Property and
// Reload. The tree only shows what these answer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "comments/comment_list.h"
#include "model/ladder_list.h"

namespace varno {

class CVARNOApp;

// Whether the name reads as an address with the letter P (P0000..P9999).
bool IsSubprogramName(const std::string& name);
// The names of the programs that read as P addresses, in list order.
std::vector<std::string> SubprogramNodeNames(const CLadderList& programs);
// The name as an address, followed by "(comment)" when the address has a non-empty comment:
// comment 2 when showComment2, else comment 1.
std::string SubprogramLabel(const std::string& name, const CCommentList& comments,
                            bool showComment2);
// "P%04d" of the number field read as a decimal integer; empty or unreadable gives P0000.
std::string SubprogramNameFromNumber(std::string_view digits);

// The texts of the subprogram dialog (GBK).
struct CSubprogramEntry {
    std::string number;  // the address field: digits, or the address text when editing
    std::string symbol;
    std::string comment1;
    std::string comment2;
};

// The dialog's fields for an existing subprogram: its address text and its comments.
CSubprogramEntry SubprogramEntryOf(const std::string& name, const CCommentList& comments);

struct CAddedSubprogram {
    std::string name;
    bool created = false;  // false: a program of that name existed and was left as it was
};
// Sets the comment entry of the address named by the number field, then creates the
// subprogram when the list has none of that name (setting the ladders-modified flag).
CAddedSubprogram AddSubprogram(CVARNOApp& app, const CSubprogramEntry& entry);
// Removes the comment entry and the program; false for a name that is not a subprogram's.
bool DeleteSubprogram(CVARNOApp& app, const std::string& name);
// Sets the comment entry of the program's address to the entry's texts (its number field is
// not used); false for a name that is not a subprogram's.
bool SetSubprogramComment(CVARNOApp& app, const std::string& name, const CSubprogramEntry& entry);

// Writes the program list to the ladder file when it was changed (clearing the flag), then
// reads the list again from that file. False, with the reason in error (UTF-8), when the changed
// list could not be written or the file could not be read: the list then stays as it was rather
// than being replaced by an old or partly read file.
bool ReloadProgramList(CVARNOApp& app, std::string* error);
// Writes the program list to the project's ladder file when it was changed, clearing the flag;
// false with the reason in error (UTF-8) when it could not be written.
bool SaveChangedProgramList(CVARNOApp& app, std::string* error);

}  // namespace varno
