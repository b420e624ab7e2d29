// The target file commands of the command-line tool.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// varnoc build PROJECT.KPJ: opens the project and runs Generate ROM: prints the output lines
// and writes plc.pro and the target file (the project's "ROM NAME" in the project folder).
// EXIT_OK when the target file was written; EXIT_FAILED for compile or link errors or a
// project that does not fit the target file (no file is written); EXIT_USAGE for bad usage, a
// project or ladder file that cannot be read, or a file that cannot be read or written.
int CliBuildProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// varnoc import PROJECT.KPJ TARGET.PLC: imports the target file into the project. Prints "The
// file import finished!" and gives EXIT_OK; otherwise EXIT_USAGE with the reason on standard
// error, and no project file changed when the target file was refused.
int CliImportProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
