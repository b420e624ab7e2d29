#include "check/address_key.h"

#include "model/address.h"

namespace varno {

std::uint64_t AddressKey(const LDADDR& address) {
    const int index = LetterIndex(static_cast<char>(address.letter));
    const std::uint64_t letter =
        index >= 0 ? static_cast<std::uint64_t>(index) : ADDRESS_LETTERS.size() + address.letter;
    // Bit -1 (a byte address) becomes 0 and sorts first; every other bit value stays distinct.
    const auto bit = static_cast<std::uint8_t>(address.bit + 1);
    return letter << 24 | std::uint64_t{address.number} << 8 | bit;
}

}  // namespace varno
