// Import ROM File: turning a target file back into the open project's source files.
#pragma once

#include <string>

#include "platform/output.h"

namespace varno {

class CVARNOApp;

enum class ImportResult {
    Imported,
    Cancelled,  // the user cancelled the question about the modified project
    Refused,    // the file could not be read, or is damaged, truncated or foreign
    Failed,     // a project file could not be written or read back
};

// Reads and checks the whole target file first; only when all of it is sound are the
// parameter file (when the target file has a parameter section; otherwise it stays as it is,
// and the output says so), the comment file, the ladder file and the version file written,
// each replacing its old file only once all four new files are complete. Then "The file import
// finished!" and the exclamation beep; the comment list and the programs are reloaded from
// their new files, the version information taken over, and the project saved. A refused file
// changes no project file and no project data; the reason is shown in an error box, as is a
// failure to write. The caller reopens the project afterwards (its windows show old data).
ImportResult ImportTargetFile(CVARNOApp& app, const std::string& targetPath, IOutput& output);

// The command: asks about a modified project first (Cancel ends it), then imports.
ImportResult RunImportCommand(CVARNOApp& app, const std::string& targetPath, IOutput& output);

}  // namespace varno
