// Helpers of the comment and parameter window suites: the demo project in a folder of the
// test's own, and a context menu opened by a right click and used as a person would.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <stdexcept>

#include "project/varno_app.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno::test {

struct CDemoProject {
    CDemoProject() : app(messages) {
        for (const auto& entry :
             std::filesystem::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
            std::filesystem::copy(entry.path(), dir.Path() / entry.path().filename());
        }
        if (!app.OpenProject(dir.File("Demo.KPJ"), false)) {
            throw std::runtime_error("the demo project does not open");
        }
    }

    CTempDir dir;
    CRecordingMessages messages;
    CRecordingOutput output;
    CVARNOApp app;
};

// Right-clicks the widget at the point (a real context-menu event, delivered and passed on to
// the parents as the application does) and returns the pop-up that opened, or null.
inline QMenu* RightClick(QWidget* widget, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QMenu* menu = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && menu->isVisible();
        },
        2000);
    return menu;
}

// The menu's action of that object name, or null.
inline QAction* MenuAction(QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

// Clicks the action in the open menu.
inline void ClickMenuAction(QMenu* menu, QAction* action) {
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

// Closes a menu that was only looked at.
inline void CloseMenu(QMenu* menu) {
    QTest::keyClick(menu, Qt::Key_Escape);
}

}  // namespace varno::test
