// Icons of the main toolbar's commands: the platform style's standard icons where it has one,
// else a small glyph painted at start-up (no image files are needed).
#pragma once

#include <QIcon>

class QStyle;

namespace varno {

QIcon CommandIcon(int id, const QStyle& style);

}  // namespace varno
