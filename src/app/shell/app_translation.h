// Qt's own texts (standard buttons, file dialogs) in the edition's language.
#pragma once

#include "platform/string_table.h"

namespace varno {

// Installs Qt's Chinese translation for the Chinese edition, once; nothing for English.
void InstallQtTranslation(Lang lang);

}  // namespace varno
