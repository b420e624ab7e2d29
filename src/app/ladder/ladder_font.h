// The ladder font: the project's logical-font record as a QFont, with the faces the record
// names mapped onto metric-compatible installed ones.
#pragma once

#include <QFont>

#include "project/font_record.h"

namespace varno {

// Maps "Courier New", "Arial", "Microsoft YaHei UI", "Fixedsys" and "Tohama" onto installed
// faces; once per process, before the first window.
void InstallFontSubstitutions();

// An all-zero record (a project that never set one) gives the default ladder font. A negative
// height is the character height in pixels, a positive one the cell height.
QFont LadderFont(const CLogFont& record);

}  // namespace varno
