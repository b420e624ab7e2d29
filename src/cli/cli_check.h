// The diagnostics command of the command-line tool.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// varnoc check PROJECT.KPJ [--werror]: prints every finding of the project's check, one a line
// ("LEVEL1:12:3: warning: ..."), then "N errors, M warnings, K notes". EXIT_FAILED when there is
// an error (with --werror also a warning), EXIT_USAGE when the project or its ladder file cannot
// be read.
int CliCheckProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
