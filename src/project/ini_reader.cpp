#include "project/ini_reader.h"

#include <unordered_map>

#include "platform/codepage.h"

namespace varno {

namespace {

bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

// None of the blanks can be a GBK trail byte (those start at 0x40), so trimming from either
// end is safe on double-byte text.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsIniBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsIniBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Position of the first character c, stepping over double-byte characters.
std::size_t FindChar(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c) {
            return i;
        }
    }
    return std::string_view::npos;
}

// A lookup key that folds ASCII letters only, as MbEqualNoCase compares.
std::string FoldKey(std::string_view name) {
    return MbUpper(name);
}

class CIniBuilder {
public:
    void StartSection(std::string_view name) {
        auto [it, added] = sectionIndex_.try_emplace(FoldKey(name), sections_.size());
        if (added) {
            sections_.push_back(CIniSection{std::string(name), {}});
            keyIndex_.emplace_back();
        }
        current_ = it->second;
        hasCurrent_ = true;
    }
    void NoSection() { hasCurrent_ = false; }

    void AddEntry(std::string_view key, std::string_view value) {
        if (!hasCurrent_ || key.empty()) {
            return;
        }
        CIniSection& section = sections_[current_];
        auto [it, added] = keyIndex_[current_].try_emplace(FoldKey(key), section.entries.size());
        if (added) {
            section.entries.emplace_back(std::string(key), std::string(value));
        } else {
            section.entries[it->second].second = std::string(value);
        }
    }

    std::vector<CIniSection> Take() { return std::move(sections_); }

private:
    std::vector<CIniSection> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::vector<std::unordered_map<std::string, std::size_t>> keyIndex_;
    std::size_t current_ = 0;
    bool hasCurrent_ = false;
};

}  // namespace

std::vector<CIniSection> ParseIni(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    CIniBuilder builder;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = Trim(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            std::string_view inner = line.substr(1);
            std::size_t close = FindChar(inner, ']');
            if (close != std::string_view::npos) {
                std::string_view name = Trim(inner.substr(0, close));
                if (name.empty()) {
                    builder.NoSection();
                } else {
                    builder.StartSection(name);
                }
                continue;
            }
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            continue;
        }
        builder.AddEntry(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
    return builder.Take();
}

}  // namespace varno
