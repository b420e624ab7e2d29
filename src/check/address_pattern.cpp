#include "check/address_pattern.h"

#include "model/address.h"
#include "platform/codepage.h"

namespace varno {

bool GlobMatch(std::string_view pattern, std::string_view text) {
    // The usual backtracking to the last star: linear in practice, never exponential.
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

CAddressPattern::CAddressPattern(std::string_view text) : text_(MbTrim(text)) {
    all_ = text_.empty() || text_ == "*";
    if (all_) {
        return;
    }
    const std::string upper = MbUpper(text_);
    if (upper.find_first_of("*?") != std::string::npos) {
        glob_ = upper;
        if (upper.ends_with(".*")) {
            // R5.* means R0005.*: the byte is read as an address where it is one.
            byte_ = upper.substr(0, upper.size() - 2);
            LDADDR byte;
            if (ParseAddress(*byte_, byte) && byte.bit < 0) {
                byte_ = FormatAddress(byte, false);
                glob_ = *byte_ + ".*";
            }
        }
        return;
    }
    LDADDR address;
    if (ParseAddress(upper, address)) {
        address_ = address;
    }
}

bool CAddressPattern::Matches(const LDADDR& address, const std::string& symbol) const {
    if (all_) {
        return true;
    }
    if (address_) {
        return address == *address_ || symbol == text_;
    }
    if (glob_.empty()) {
        return symbol == text_;
    }
    const std::string addressText = FormatAddress(address, true);
    return GlobMatch(glob_, addressText) ||
           (byte_ && address.bit < 0 && GlobMatch(*byte_, addressText)) ||
           (!symbol.empty() && GlobMatch(text_, symbol));
}

}  // namespace varno
