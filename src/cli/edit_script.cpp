#include "cli/edit_script.h"

#include <charconv>

namespace varno {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::vector<CScriptToken>> SplitScriptLine(std::string_view line,
                                                         std::string& error) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::vector<CScriptToken> tokens;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            return tokens;
        }
        if (tokens.empty() && line[i] == '#') {
            return tokens;
        }
        CScriptToken token;
        if (line[i] != '"') {
            while (i < line.size() && !IsBlank(line[i])) {
                if (line[i] == '"') {
                    error = "a quote inside a word";
                    return std::nullopt;
                }
                token.text += line[i++];
            }
            tokens.push_back(std::move(token));
            continue;
        }
        token.quoted = true;
        ++i;
        for (;;) {
            if (i == line.size()) {
                error = "a quote that is not closed";
                return std::nullopt;
            }
            const char c = line[i++];
            if (c == '"') {
                break;
            }
            if (c != '\\') {
                token.text += c;
                continue;
            }
            const char escaped = i < line.size() ? line[i++] : '\0';
            switch (escaped) {
                case 'n':
                    token.text += '\n';
                    break;
                case '"':
                case '\\':
                    token.text += escaped;
                    break;
                default:
                    error = "an unknown escape in a quoted text";
                    return std::nullopt;
            }
        }
        if (i < line.size() && !IsBlank(line[i])) {
            error = "a closing quote that does not end its token";
            return std::nullopt;
        }
        tokens.push_back(std::move(token));
    }
}

std::optional<long long> ScriptInteger(const CScriptToken& token) {
    const std::string& t = token.text;
    const std::size_t digits = !t.empty() && t[0] == '-' ? 1 : 0;
    if (t.size() == digits) {
        return std::nullopt;
    }
    long long value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ScriptInteger(const CScriptToken& token, long long low, long long high) {
    std::optional<long long> value = ScriptInteger(token);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

}  // namespace varno
