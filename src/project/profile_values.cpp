#include "project/profile_values.h"

#include <climits>

namespace varno {

int ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

std::string EncodeLetterPairs(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text.push_back(static_cast<char>('A' + (b & 0x0F)));
        text.push_back(static_cast<char>('A' + (b >> 4)));
    }
    return text;
}

std::vector<std::uint8_t> DecodeLetterPairs(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        unsigned low = static_cast<unsigned char>(text[i]) - 'A';
        unsigned high = static_cast<unsigned char>(text[i + 1]) - 'A';
        bytes.push_back(static_cast<std::uint8_t>(low + 16 * high));
    }
    return bytes;
}

std::string GetProfileString(const CXmlProfile& profile, std::string_view section,
                             std::string_view key, std::string_view defaultValue) {
    return profile.GetString(section, key, defaultValue);
}

int GetProfileInt(const CXmlProfile& profile, std::string_view section, std::string_view key,
                  int defaultValue) {
    const CXmlProfileKey* found = profile.FindKey(section, key);
    if (found == nullptr || found->Value().empty()) {
        return defaultValue;
    }
    return ParseProfileInt(found->Value());
}

std::optional<std::vector<std::uint8_t>> GetProfileBinary(const CXmlProfile& profile,
                                                          std::string_view section,
                                                          std::string_view key) {
    const CXmlProfileKey* found = profile.FindKey(section, key);
    if (found == nullptr || found->Value().empty()) {
        return std::nullopt;
    }
    return DecodeLetterPairs(found->Value());
}

bool WriteProfileString(CXmlProfile& profile, std::string_view section, std::string_view key,
                        std::string_view value) {
    if (section.empty() || key.empty()) {
        return false;
    }
    return profile.WriteString(section, key, value) != nullptr;
}

bool WriteProfileInt(CXmlProfile& profile, std::string_view section, std::string_view key,
                     int value) {
    return WriteProfileString(profile, section, key, std::to_string(value));
}

bool WriteProfileBinary(CXmlProfile& profile, std::string_view section, std::string_view key,
                        std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return false;
    }
    return WriteProfileString(profile, section, key, EncodeLetterPairs(bytes));
}

}  // namespace varno
