// The ladder window's commands as one list (number, text, keys), and the menus, pop-ups and
// toolbar built from a command table holding them. The window's own table runs them on its
// view; the main window's table runs them on the active ladder window. Both build the same
// menus from here.
#pragma once

#include <QKeySequence>
#include <QList>
#include <array>
#include <span>

#include "editor/ladder_view.h"
#include "platform/string_table.h"

class QComboBox;
class QMenu;
class QToolBar;
class QWidget;

namespace varno {

class CCommandTable;

struct CLadderCommand {
    int id;
    StrId text;  // none for the keys without a menu entry
    QList<QKeySequence> keys;
};

// Every command of the ladder window, the view's key table among them.
std::span<const CLadderCommand> LadderCommands();

// The Edit, Ladder and Tool menus (with a File menu first when withFile is set).
QList<QMenu*> BuildLadderMenus(CCommandTable& commands, QWidget* parent, bool withFile);
// The four pop-ups, indexed by LadderPopup, named as their resources.
std::array<QMenu*, 4> BuildLadderPopups(CCommandTable& commands, QWidget* parent);
// The ladder toolbar's buttons with the function chooser (100 pixels, the instructions of
// "All" in their order, the first chosen) in the slot of 32917; returns the chooser.
QComboBox* FillLadderToolBar(QToolBar* bar, CCommandTable& commands);

}  // namespace varno
