// The key a Find text makes when it names no symbol: an address (a text with a full stop), a
// functional instruction (a text of three letters or more that is an instruction's name) or an
// operand (any other text). A text that makes none of these gives a key of kind LDCMD_NONE,
// which matches nothing.
#pragma once

#include <string_view>

#include "model/ldcmd.h"

namespace varno {

CLDCmd BuildFindKey(std::string_view text);

}  // namespace varno
