#include "editor/find_key.h"

#include <algorithm>

#include "model/address.h"
#include "model/catalog.h"

namespace varno {

CLDCmd BuildFindKey(std::string_view text) {
    CLDCmd key;
    const bool parsed = ParseOperand(text, key);
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    if (text.find('.') != std::string_view::npos) {
        key.kind = parsed && key.code == LDOPD_ADDR ? LDCMD_BASIC : LDCMD_NONE;
    } else if (letters >= 3) {
        CLDCmd func;
        key = FindFuncByName(text, func) ? func : CLDCmd{};
    } else {
        key.kind = parsed ? LDCMD_OPERAND : LDCMD_NONE;
    }
    return key;
}

}  // namespace varno
