// The ladder toolbar's icons, painted at start-up: rows, a contact, a coil, a block and lines.
#pragma once

#include <QIcon>

namespace varno {

// The icon of a ladder command; an empty icon for a command without one.
QIcon LadderCommandIcon(int id);

}  // namespace varno
