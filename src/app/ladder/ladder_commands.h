// The ladder window's commands as one list (number, text, keys), and the menus, pop-ups and
// toolbar buttons built from a window's command table holding them.
#pragma once

#include <QKeySequence>
#include <QList>
#include <array>
#include <span>

#include "editor/ladder_view.h"
#include "platform/string_table.h"

class QAction;
class QComboBox;
class QMenu;
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

// The File, Edit, Ladder and Tool menus.
QList<QMenu*> BuildLadderMenus(CCommandTable& commands, QWidget* parent);
// The four pop-ups, indexed by LadderPopup, named as their resources.
std::array<QMenu*, 4> BuildLadderPopups(CCommandTable& commands, QWidget* parent);
struct CLadderToolBarActions {
    QList<QAction*> actions;  // buttons, separators and the chooser's widget action
    QComboBox* functionBox = nullptr;
};
// The ladder toolbar's buttons with the function chooser (100 pixels, the instructions of
// "All" in their order, the first chosen) in the slot of 32917, owned by parent: the same
// actions go on the window's own bar or on the main window's.
CLadderToolBarActions LadderToolBarActions(CCommandTable& commands, QWidget* parent);

}  // namespace varno
