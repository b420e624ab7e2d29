// The window's commands in one table: each identifier with its text, shortcut, handler and
// enabled-state query. Menus, toolbars, context menus and accelerators all take the same
// QAction from here, so a command behaves alike wherever it is started.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <functional>
#include <map>

#include "platform/string_table.h"

namespace varno {

struct CCommandInfo {
    int id = 0;
    // The menu text; the part after a "\n", if any, is the tooltip and status-bar prompt.
    StrId text{};
    QKeySequence shortcut;
    std::function<void()> run;
    // Empty: always enabled.
    std::function<bool()> enabled;
    // Set only for a command shown with a check mark.
    std::function<bool()> checked;
};

class CCommandTable final : public QObject {
    Q_OBJECT

public:
    // Shortcuts work while focus is anywhere inside owner.
    explicit CCommandTable(QWidget* owner);

    // Adds (or replaces) the command and returns its action.
    QAction* Add(CCommandInfo info);
    // The command's action; nullptr when there is none.
    QAction* Action(int id) const;
    // Re-evaluates every enabled and checked query; menus call it before they show.
    void UpdateStates();
    // The command exists, has a handler and its query (if any) allows it now.
    bool IsEnabled(int id) const;
    // Runs the command when it exists and is enabled; false otherwise.
    bool Run(int id);
    // Texts again from the string table, after the edition changed.
    void Retranslate();

private:
    struct Entry {
        CCommandInfo info;
        QAction* action;
    };
    void ApplyText(Entry& entry);

    QWidget* owner_;
    std::map<int, Entry> entries_;
};

}  // namespace varno
