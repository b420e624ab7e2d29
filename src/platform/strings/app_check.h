// The identifiers of the texts in app_check.inc.
#pragma once

#include "platform/string_table.h"

namespace varno {

#define VARNO_STRING(name, number, english, chinese) inline constexpr StrId name{number};
#include "platform/strings/app_check.inc"
#undef VARNO_STRING

}  // namespace varno
