#include "platform/string_table.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

#include "platform/codepage.h"

namespace varno {

namespace {

struct Entry {
    unsigned number;
    const char* english;
    const char* chinese;
};

constexpr Entry ENTRIES[] = {
#define VARNO_STRING(name, number, english, chinese) {number, english, chinese},
#include "platform/strings/all.inc"
#undef VARNO_STRING
};

std::atomic<Lang> g_lang{Lang::English};

using CTable = std::unordered_map<unsigned, std::string>;

CTable BuildTable(const char* Entry::*text) {
    CTable t;
    for (const Entry& e : ENTRIES) {
        if (!t.emplace(e.number, Utf8ToGbk(e.*text)).second) {
            throw std::logic_error("string number used twice: " + std::to_string(e.number));
        }
    }
    return t;
}

// Each edition's texts are converted when first asked for: a run mostly needs one of them.
const CTable& Table(Lang lang) {
    if (lang == Lang::English) {
        static const CTable english = BuildTable(&Entry::english);
        return english;
    }
    static const CTable chinese = BuildTable(&Entry::chinese);
    return chinese;
}

}  // namespace

void SetLanguage(Lang lang) {
    g_lang = lang;
}

Lang CurrentLanguage() {
    return g_lang;
}

std::optional<Lang> ParseLanguage(std::string_view text) {
    if (text == "en") {
        return Lang::English;
    }
    if (text == "zh") {
        return Lang::Chinese;
    }
    return std::nullopt;
}

Lang LanguageFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("zh") ? Lang::Chinese : Lang::English;
        }
    }
    return Lang::English;
}

const std::string& LoadString(StrId id) {
    return LoadString(id, g_lang);
}

const std::string& LoadString(StrId id, Lang lang) {
    const CTable& table = Table(lang);
    auto it = table.find(id);
    if (it == table.end()) {
        throw std::out_of_range("no string " + std::to_string(id));
    }
    return it->second;
}

}  // namespace varno
