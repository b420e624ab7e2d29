// The edit script's line splitter on arbitrary bytes: every token it gives back must be what
// its quoting rules allow, and putting the tokens back into a line must split the same way.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/edit_script.h"

using namespace varno;

namespace {

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto tokens = SplitScriptLine(line, error);
    if (!tokens) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    std::string again;
    for (const CScriptToken& token : *tokens) {
        if (!token.quoted &&
            (token.text.empty() || token.text.find_first_of(" \t\"") != std::string::npos)) {
            std::abort();
        }
        again += (again.empty() ? "" : " ") + Quote(token.text);
    }
    auto reread = SplitScriptLine(again, error);
    if (!reread || reread->size() != tokens->size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < tokens->size(); ++i) {
        if ((*reread)[i].text != (*tokens)[i].text) {
            std::abort();
        }
    }
    return 0;
}
