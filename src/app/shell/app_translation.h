// Qt's own texts (standard buttons, file, colour and font dialogs) in the edition's language:
// for the Chinese edition Qt's translation "qtbase_zh_CN" is loaded from Qt's translation
// folder; the English edition uses Qt's built-in texts.
#pragma once

#include "platform/string_table.h"

class QCoreApplication;

namespace varno {

// Replaces the translation an earlier call installed. False when the Chinese translation
// could not be found (Qt's texts then stay English).
bool InstallQtTranslation(QCoreApplication& app, Lang lang);

}  // namespace varno
