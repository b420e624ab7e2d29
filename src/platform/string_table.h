// The string table: every user-visible text by identifier, in an English and a Chinese edition.
// The edition is chosen once at start. Texts are written in UTF-8 in the .inc files and handed
// out as GBK bytes, the form the model stores and compares.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varno {

// A string's number; the named identifiers come from the .inc files.
enum StrId : unsigned {};

#define VARNO_STRING(name, number, english, chinese) inline constexpr StrId name{number};
#include "platform/strings/shared.inc"
#undef VARNO_STRING

enum class Lang { English, Chinese };

void SetLanguage(Lang lang);
Lang CurrentLanguage();
// "en" or "zh".
std::optional<Lang> ParseLanguage(std::string_view text);
// The edition the environment's locale asks for (LC_ALL, LC_MESSAGES, LANG): Chinese for a
// locale starting with "zh", else English.
Lang LanguageFromEnvironment();

// The text of the current edition, as GBK bytes.
const std::string& LoadString(StrId id);
// The text of a given edition, as GBK bytes.
const std::string& LoadString(StrId id, Lang lang);

}  // namespace varno
