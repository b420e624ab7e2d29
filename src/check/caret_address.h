// The address a ladder shows at a display position, for looking it up in the cross reference:
// a contact's or coil's own address; on a functional block the operand drawn in that row when it
// is an address, else the block's first address operand.
#pragma once

#include <optional>

#include "model/ladder.h"

namespace varno {

std::optional<LDADDR> AddressAt(const CLadder& ladder, int displayRow, int column);

}  // namespace varno
