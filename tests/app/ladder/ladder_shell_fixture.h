// The main window on a copy of the demo project, with the ladder windows opened from its tree
// and the element dialogs answered by typing, for the suites that drive the whole application.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <filesystem>

#include "app/dialogs/element_set.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/shell/main_frame.h"
#include "app/shell/workspace.h"
#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace varno::test {

// The demo project's files copied into the folder.
inline void CopyDemo(const CTempDir& dir) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
        fs::copy(entry.path(), dir.Path() / entry.path().filename());
    }
}

// The main window on a copy of the demo project.
struct CShellDemo {
    CShellDemo() {
        CopyDemo(dir);
        frame.show();
        frame.activateWindow();
        ready = QTest::qWaitForWindowActive(&frame) &&
                frame.OpenProjectPath(QString::fromStdString(dir.File("Demo.KPJ")));
    }

    // The program's window, opened by a double click on its node as a user would.
    CLadderFrame* Open(const QString& program) {
        QTreeWidget* tree = frame.Workspace()->Tree();
        const auto found = tree->findItems(program, Qt::MatchStartsWith | Qt::MatchRecursive, 0);
        if (found.size() != 1) {
            return nullptr;
        }
        DoubleClickItem(tree, found.first());
        QMdiSubWindow* window = frame.MdiArea()->currentSubWindow();
        auto* ladder = window ? qobject_cast<CLadderFrame*>(window->widget()) : nullptr;
        if (ladder != nullptr) {
            ladder->Widget()->setFocus();
        }
        return ladder;
    }

    QStringList MenuTitles() {
        QStringList titles;
        for (QAction* action : frame.menuBar()->actions()) {
            titles.append(action->text());
        }
        return titles;
    }

    QMenu* Menu(const QString& title) {
        for (QAction* action : frame.menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        return nullptr;
    }

    CTempDir dir;
    CMainFrame frame;
    bool ready = false;  // shown, active, the project open
};

// A viewport point at the middle of the cell.
inline QPoint CellCentre(CLadderWidget* widget, int displayRow, int column) {
    const CRect r = *widget->View()->Ladder().CellRect(displayRow, column);
    return widget->ToViewport(QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

// Gives the widget of the dialog the keyboard focus and waits until it has it: keys are
// matched against the shortcuts of the window that holds the focus, and until the dialog is
// the active window that is still the ladder window behind it.
inline void FocusInDialog(QDialog* dialog, QWidget* widget) {
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
    widget->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget);
}

// Answers the next contact or coil dialog by typing the address into its box and pressing
// Enter; with typeRow set, the type list is moved there with the Down key first.
inline void TypeIntoElementDialog(const QString& address, int typeRow = 0) {
    OnNextModal([address, typeRow](QWidget* modal) {
        auto* dialog = qobject_cast<CElementSet*>(modal);
        QVERIFY2(dialog != nullptr, modal->metaObject()->className());
        FocusInDialog(dialog, dialog->TypeList());
        for (int i = 0; i < typeRow; ++i) {
            QTest::keyClick(dialog->TypeList(), Qt::Key_Down);
        }
        QLineEdit* box = dialog->AddressBox();
        FocusInDialog(dialog, box);
        box->selectAll();
        QTest::keyClicks(box, address);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

}  // namespace varno::test
