#include "app/ladder/ladder_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace varno {

void InstallFontSubstitutions() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    QFont::insertSubstitutions("Courier New", QStringList{QStringLiteral("Liberation Mono"),
                                                          QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(
        "Arial", QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        "Microsoft YaHei UI",
        QStringList{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitution("Fixedsys",
                              QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QFont::insertSubstitution("Tohama",
                              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

}  // namespace varno
