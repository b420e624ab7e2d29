// The order addresses are listed in: by letter in the order of ADDRESS_LETTERS (letters outside
// it after them, by code), then by byte number, then by bit, a byte address before its bits.
#pragma once

#include <cstdint>

#include "model/ldcmd.h"

namespace varno {

// A number in that order, equal for equal addresses only.
std::uint64_t AddressKey(const LDADDR& address);

}  // namespace varno
