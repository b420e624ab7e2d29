#include "support/hex.h"

#include <stdexcept>

namespace varno::test {

std::string FromHex(std::string_view hex) {
    std::string out;
    int high = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9') {
            v = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            v = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            v = c - 'a' + 10;
        } else if (c == ' ' || c == '\n') {
            continue;
        } else {
            throw std::invalid_argument("not a hex digit");
        }
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<char>(high * 16 + v));
            high = -1;
        }
    }
    if (high >= 0) {
        throw std::invalid_argument("odd number of hex digits");
    }
    return out;
}

std::string ToHex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (!out.empty()) {
            out.push_back(' ');
        }
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

std::string ToHex(const std::vector<std::uint8_t>& bytes) {
    return ToHex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace varno::test
