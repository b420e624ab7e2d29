// What a user types to pick addresses out of the cross reference:
//   nothing or "*"   every address
//   R0005.1, R5.1    exactly that address (case does not matter)
//   R0005.*, R5.*    the byte R0005 and each of its bits
//   R00*, Y?0*       addresses whose text matches: * any run of characters, ? any one
//   START            the addresses whose symbol is that text (exact bytes; * and ? work too)
// An address text matches its address and also any address whose symbol it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ldcmd.h"

namespace varno {

class CAddressPattern {
public:
    // Everything.
    CAddressPattern() = default;
    // The typed text (GBK); blanks around it are ignored.
    explicit CAddressPattern(std::string_view text);

    bool MatchesAll() const { return all_; }
    bool Matches(const LDADDR& address, const std::string& symbol) const;
    const std::string& Text() const { return text_; }

private:
    bool all_ = true;
    std::string text_;                 // as typed, trimmed: compared with symbols
    std::optional<LDADDR> address_;    // the text read as one address
    std::string glob_;                 // the text upper-cased, when it holds * or ?
    std::optional<std::string> byte_;  // "R0005" of "R0005.*"
};

// Whether text matches a pattern of * (any run) and ? (any one byte).
bool GlobMatch(std::string_view pattern, std::string_view text);

}  // namespace varno
