#include "app/ladder/ladder_font.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/qt_text.h"

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

QFont LadderFont(const CLogFont& record) {
    InstallFontSubstitutions();
    const CLogFont font = record.faceName[0] == '\0' ? CLogFont::Default() : record;
    const std::size_t length = strnlen(font.faceName, sizeof font.faceName);
    QFont qfont(FromGbk(std::string(font.faceName, length)));
    // CJK text in a Latin face still needs glyphs.
    qfont.setFamilies(QStringList{qfont.family(), QStringLiteral("WenQuanYi Micro Hei")});
    const int height = font.height == 0 ? 18 : std::abs(font.height);
    qfont.setPixelSize(font.height > 0 ? height * 4 / 5 : height);
    if (font.weight > 0) {
        qfont.setWeight(QFont::Weight(std::clamp(static_cast<int>(font.weight), 100, 900)));
    }
    qfont.setItalic(font.italic != 0);
    qfont.setUnderline(font.underline != 0);
    qfont.setStrikeOut(font.strikeOut != 0);
    qfont.setStyleHint(QFont::TypeWriter);
    return qfont;
}

}  // namespace varno
