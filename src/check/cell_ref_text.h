// A place in a project as text: "LEVEL1:12:3", or "LEVEL1:12" when the column is not known.
#pragma once

#include <string>
#include <vector>

#include "check/address_use.h"

namespace varno {

// The program's name; empty for an index outside the list.
const std::string& ProgramName(const std::vector<std::string>& programs, const CCellRef& at);
std::string CellRefText(const std::vector<std::string>& programs, const CCellRef& at);

}  // namespace varno
