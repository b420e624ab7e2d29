// The project commands of the command-line tool.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// varnoc new [--force] PROJECT.KPJ: creates the project as the New command does and saves all
// its files, and a parameter file of the default tables where there is none. An existing
// project file is refused unless --force is given; then its keys are kept.
int CliNewProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// varnoc compile PROJECT.KPJ: opens the project and runs the Compile command: compiles every
// program, writes the instruction file when that succeeded and prints the report lines.
// EXIT_OK when the compilation succeeded, EXIT_FAILED when it found errors that stop it,
// EXIT_USAGE when the project or its ladder file cannot be read or the instruction file cannot
// be written.
int CliCompileProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
