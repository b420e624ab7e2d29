// Fonts of the shell. The faces the windows name are mapped to installed ones once at start:
// "Microsoft YaHei UI" to WenQuanYi Micro Hei, "Courier New" to Liberation Mono, "Arial" to
// Liberation Sans, "Fixedsys" and "Tohama" to the system's fixed and general fonts.
#pragma once

#include <QFont>

namespace varno {

void InstallFontSubstitutions();
// "Microsoft YaHei UI" with a cell height of 22 pixels: the output bar's and the tree's font.
QFont ShellFont();

}  // namespace varno
