#include "app/shell/app_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace varno {

namespace {

constexpr int SHELL_FONT_CELL_HEIGHT = 22;

}  // namespace

void InstallFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions(
            "Microsoft YaHei UI",
            QStringList{"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Liberation Sans"});
        QFont::insertSubstitution("Courier New", "Liberation Mono");
        QFont::insertSubstitution("Arial", "Liberation Sans");
        QFont::insertSubstitution("Fixedsys",
                                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QFont::insertSubstitution("Tohama",
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        return true;
    }();
    (void)installed;
}

// The height of the original's font is that of its character cell, ascent plus descent; a
// Qt pixel size is the em size, so the size is scaled until the cell is 22 pixels high.
QFont ShellFont() {
    InstallFontSubstitutions();
    QFont font("Microsoft YaHei UI");
    font.setPixelSize(SHELL_FONT_CELL_HEIGHT);
    const int cell = QFontMetrics(font).height();
    if (cell > 0 && cell != SHELL_FONT_CELL_HEIGHT) {
        font.setPixelSize(std::max(1, SHELL_FONT_CELL_HEIGHT * SHELL_FONT_CELL_HEIGHT / cell));
    }
    return font;
}

}  // namespace varno
