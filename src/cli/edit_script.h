// The lines of an edit script (varnoc edit): one command per line, tokens separated by blanks
// (spaces and tabs), double-quoted tokens holding blanks and the escapes \n, \" and \\. Blank
// lines and lines whose first non-blank character is '#' hold no command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varno {

struct CScriptToken {
    std::string text;  // UTF-8, escapes resolved
    bool quoted = false;

    // The unquoted word `cancel`: a dialog's Cancel button.
    bool IsCancel() const { return !quoted && text == "cancel"; }
};

// The tokens of one line (a CR at its end is dropped); empty for a line without a command.
// Nullopt, with the reason in error, for a line that cannot be split: an unknown escape, a
// quote that is not closed, a closing quote not followed by a blank, a quote inside a word.
std::optional<std::vector<CScriptToken>> SplitScriptLine(std::string_view line, std::string& error);

// An integer written as -?digits that fits in 64 bits; nullopt otherwise.
std::optional<long long> ScriptInteger(const CScriptToken& token);
// The same limited to [low, high].
std::optional<int> ScriptInteger(const CScriptToken& token, long long low, long long high);

}  // namespace varno
