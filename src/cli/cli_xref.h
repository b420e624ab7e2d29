// The cross-reference command of the command-line tool.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// varnoc xref PROJECT.KPJ [PATTERN] [--csv]: every use of the addresses the pattern selects (all
// without one), by address, as a listing or, with --csv, as CSV. EXIT_FAILED when a pattern
// selects nothing, EXIT_USAGE when the project or its ladder file cannot be read.
int CliCrossReference(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
