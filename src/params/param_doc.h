// The parameter document's data: its tables, the table currently shown, and the modified
// flag. The window that shows it lives in the application.
#pragma once

#include <string>

#include "params/param_list.h"

namespace varno {

class CParamDoc {
public:
    // Starts with the default tables C, D and T, all zero, and no current table.
    explicit CParamDoc(const CCommentList* comments = nullptr);

    CParamList& Tables() { return tables_; }
    const CParamList& Tables() const { return tables_; }
    CParamData* CurrentTable() const { return current_; }
    void SetCurrentTable(CParamData* table) { current_ = table; }

    // Sets an entry of the current table and marks the document modified; nothing without a
    // current table.
    void SetValue(std::size_t index, std::int32_t value);

    // Reads the file into the tables. False when it cannot be read or is no parameter file
    // (the tables keep their values).
    bool Load(const std::string& path, std::string* error = nullptr);
    // Writes the file, replacing the old one only once the new one is complete; clears the
    // modified flag. False when it cannot be written (a read-only file among the reasons).
    bool Save(const std::string& path, std::string* error = nullptr);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    CParamList tables_;
    CParamData* current_ = nullptr;
    bool modified_ = false;
};

// The read-only rule of Save: a file that is there without the owner's write permission is
// kept, and the user is asked for a new name as Save As does. False for a missing file.
bool SaveNeedsNewName(const std::string& path);

// The largest parameter file read: 16-bit table sizes keep real ones far below this.
inline constexpr std::uint64_t MAX_PARAM_FILE = 16u << 20;

}  // namespace varno
