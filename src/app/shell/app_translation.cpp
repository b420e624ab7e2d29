#include "app/shell/app_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace varno {

void InstallQtTranslation(Lang lang) {
    static QTranslator* installed = nullptr;
    if (lang != Lang::Chinese || installed != nullptr) {
        return;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}

}  // namespace varno
