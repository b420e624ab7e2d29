// The ladder window inside the main window: a double click on a program of the workspace opens
// it, a second double click activates the same window, and Close Workspace closes it. While a
// ladder window is current its menus, ladder toolbar buttons and caret position are the main
// window's, and the main toolbar's document commands reach it; the contact dialog is the real
// one, typed into.
#include <QClipboard>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include "app/ladder/ladder_command_ids.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "ladder_shell_fixture.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/string_table.h"

namespace varno::test {

class LadderInShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrivateSettings(); }

    void init() { SetLanguage(Lang::English); }

    void DoubleClickOpensTheProgramOnce() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        CLadderFrame* ladder = demo.Open("LEVEL1");
        QVERIFY(ladder != nullptr);
        QCOMPARE(demo.frame.MdiArea()->subWindowList().size(), 1);
        QVERIFY(ladder->Doc().GetLadder().RowCount() > 0);

        QCOMPARE(demo.Open("LEVEL1"), ladder);
        QCOMPARE(demo.frame.MdiArea()->subWindowList().size(), 1);

        demo.frame.OnCloseWorkspace();
        QVERIFY(!demo.frame.IsProjectOpen());
        QTRY_VERIFY(demo.frame.MdiArea()->subWindowList().isEmpty());
    }

    // A new window shows a whole ladder row with the right rail where the area is wide enough,
    // and every window, cascaded or not, lies inside the area with its scroll bars in sight.
    void NewWindowsShowTheWholeRowInsideTheArea() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        demo.frame.resize(1600, 900);
        QTest::qWait(0);
        const QRect area(QPoint(), demo.frame.MdiArea()->viewport()->size());
        QVERIFY(area.width() > 1200);
        CLadderFrame* level1 = demo.Open("LEVEL1");
        QVERIFY(level1 != nullptr);
        CLadderView& view = *level1->Widget()->View();
        QVERIFY(level1->Widget()->viewport()->width() >= view.PreferredClientWidth());
        CLadderFrame* level2 = demo.Open("LEVEL2");
        QVERIFY(level2 != nullptr);
        for (QMdiSubWindow* window : demo.frame.MdiArea()->subWindowList()) {
            QVERIFY2(area.contains(window->geometry()),
                     qPrintable(window->widget()->windowTitle()));
        }

        demo.frame.resize(1000, 700);
        QTest::qWait(0);
        CLadderFrame* sub = demo.Open("P0001");
        QVERIFY(sub != nullptr);
        QMdiSubWindow* window = demo.frame.MdiArea()->currentSubWindow();
        QVERIFY(
            QRect(QPoint(), demo.frame.MdiArea()->viewport()->size()).contains(window->geometry()));
    }

    // F4 opens the real contact dialog; the address typed into it and Enter place the contact
    // at the caret, the caret moves right, and the main window's status pane says so.
    void ContactThroughTheRealDialog() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        CLadderFrame* ladder = demo.Open("LEVEL1");
        QVERIFY(ladder != nullptr);
        CLadderWidget* view = ladder->Widget();
        // The program ends with a two-row block: the new row goes above it.
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Up);
        const int row = ladder->View().CaretRow();
        const CElemInfo at = *ladder->Doc().GetLadder().Locate(row, 0);
        QVERIFY(at.cell != nullptr && at.cell->Kind() == LDCMD_NONE);

        TypeIntoElementDialog("X0010.3", 1);
        QTest::keyClick(view, Qt::Key_F4);
        const CLDCell* cell = ladder->Doc().GetLadder().GetCell(at.row, 0);
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->Kind(), LDCMD_BASIC);
        QCOMPARE(cell->Code(), BASIC_RD_NOT);
        QCOMPARE(FormatAddress(cell->Address(), true), std::string("X0010.3"));
        QCOMPARE(ladder->View().CaretColumn(), 1);
        QCOMPARE(demo.frame.StatusPane()->text(), QString("ln%1,col1").arg(row));
        QVERIFY(demo.frame.App().IsLaddersModified());

        // An address the dialog refuses keeps it open: "Address error!", then Cancel.
        QString refused;
        OnNextModal([&refused](QWidget* modal) {
            auto* dialog = qobject_cast<CElementSet*>(modal);
            QVERIFY(dialog != nullptr);
            FocusInDialog(dialog, dialog->AddressBox());
            AnswerMessage(QMessageBox::Ok, &refused);
            QTest::keyClicks(dialog->AddressBox(), "Q9");
            QTest::keyClick(dialog->AddressBox(), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(view, Qt::Key_F4);
        QCOMPARE(refused, QString("Address error!"));
        QCOMPARE(ladder->Doc().GetLadder().GetCell(at.row, 1)->Kind(), LDCMD_NONE);
    }

    // Two ladder windows: the menu bar and the ladder toolbar carry the current window's own
    // actions, with its enable states; with no window left they are gone again.
    void MenusFollowTheCurrentWindow() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        const QStringList bare{"&File", "&View", "&Help"};
        QCOMPARE(demo.MenuTitles(), bare);
        QVERIFY(demo.frame.LadderToolBar()->actions().isEmpty());

        CLadderFrame* first = demo.Open("LEVEL1");
        CLadderFrame* second = demo.Open("LEVEL2");
        QVERIFY(first != nullptr && second != nullptr && first != second);
        const QStringList withLadder{"&File", "&Edit", "&Ladder", "&Tool", "&View", "&Help"};
        QCOMPARE(demo.MenuTitles(), withLadder);
        // No menu bar, toolbar or status bar inside the child window.
        QVERIFY(second->findChildren<QMenuBar*>().isEmpty());
        QVERIFY(second->findChildren<QToolBar*>().isEmpty());
        QVERIFY(second->StatusPane() == nullptr);

        auto owner = [&](QAction* action) -> CLadderFrame* {
            for (CLadderFrame* window : {first, second}) {
                if (window->Commands().Action(ID_CONTACT) == action ||
                    window->Commands().Action(ID_UNDO) == action ||
                    window->Commands().Action(ID_SAVE_AS) == action) {
                    return window;
                }
            }
            return nullptr;
        };
        auto find = [](QMenu* menu, const QString& text) -> QAction* {
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(text)) {
                    return action;
                }
            }
            return nullptr;
        };
        auto check = [&](CLadderFrame* current) {
            QMenu* ladderMenu = demo.Menu("&Ladder");
            QVERIFY(ladderMenu != nullptr);
            QCOMPARE(owner(find(ladderMenu, "&Contact")), current);
            QCOMPARE(owner(find(demo.Menu("&Edit"), "&Undo")), current);
            QCOMPARE(owner(find(demo.frame.FileMenu(), "Save &As")), current);
            QVERIFY(find(demo.frame.FileMenu(), "Print Pre&view") != nullptr);
            QVERIFY(find(demo.Menu("&Tool"), "&Compile") != nullptr);
            QCOMPARE(demo.frame.LadderToolBar()->actions(), current->ToolBarActions());
            QVERIFY(demo.frame.LadderToolBar()->isAncestorOf(current->FunctionBox()));
            QTRY_VERIFY(current->FunctionBox()->isVisible());
        };
        check(second);

        demo.frame.MdiArea()->setActiveSubWindow(demo.frame.MdiArea()->subWindowList().first());
        check(first);
        QVERIFY(!second->FunctionBox()->isVisible());
        // The Edit menu's Undo is the current window's: on after an edit there, off in the other.
        first->Widget()->setFocus();
        QTest::keyClick(first->Widget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(first->Widget(), Qt::Key_Right, Qt::ControlModifier);
        QMenu* edit = demo.Menu("&Edit");
        emit edit->aboutToShow();
        QVERIFY(find(edit, "&Undo")->isEnabled());
        demo.frame.MdiArea()->setActiveSubWindow(demo.frame.MdiArea()->subWindowList().last());
        edit = demo.Menu("&Edit");
        emit edit->aboutToShow();
        QVERIFY(!find(edit, "&Undo")->isEnabled());
        // The Ladder menu runs on the current window.
        QVERIFY(find(demo.Menu("&Ladder"), "&Line Right") != nullptr);
        const int before = second->View().CaretColumn();
        find(demo.Menu("&Ladder"), "&Line Right")->trigger();
        QCOMPARE(second->View().CaretColumn(), before + 1);

        QVERIFY(demo.frame.CloseAllDocuments());
        QTRY_VERIFY(demo.frame.MdiArea()->subWindowList().isEmpty());
        QCOMPARE(demo.MenuTitles(), bare);
        QVERIFY(demo.frame.LadderToolBar()->actions().isEmpty());
        QCOMPARE(demo.frame.StatusPane()->text(), QString(20, ' '));
    }

    // Pane 900 shows the current window's caret, in both editions, after every move.
    void StatusPaneFollowsTheCaret() {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            SetLanguage(lang);
            const QString format =
                lang == Lang::English ? "ln%1,col%2" : QString::fromUtf8("行%1,列%2");
            CShellDemo demo;
            QVERIFY(demo.ready);
            QVERIFY(demo.ready);
            CLadderFrame* first = demo.Open("LEVEL1");
            QVERIFY(first != nullptr);
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(0).arg(0));
            QTest::keyClick(first->Widget(), Qt::Key_Right);
            QTest::keyClick(first->Widget(), Qt::Key_Right);
            QTest::keyClick(first->Widget(), Qt::Key_Down);
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(1).arg(2));
            // A click moves the caret too.
            QTest::mouseClick(first->Widget()->viewport(), Qt::LeftButton, {},
                              CellCentre(first->Widget(), 3, 5));
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(3).arg(5));

            CLadderFrame* second = demo.Open("P0001");
            QVERIFY(second != nullptr);
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(0).arg(0));
            demo.frame.MdiArea()->setActiveSubWindow(demo.frame.MdiArea()->subWindowList().first());
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(3).arg(5));
            // The inactive window's moves do not reach the pane.
            second->View().OnKeyDown();
            QCOMPARE(demo.frame.StatusPane()->text(), format.arg(3).arg(5));
        }
    }

    // The main toolbar's Undo and Redo reach the current ladder window and follow its
    // states; Save writes the project's ladder file.
    void MainToolbarReachesTheWindow() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        QAction* undo = demo.frame.Commands().Action(ID_EDIT_UNDO);
        QAction* redo = demo.frame.Commands().Action(ID_EDIT_REDO);
        QAction* save = demo.frame.Commands().Action(ID_FILE_SAVE);
        QVERIFY(!undo->isEnabled());
        CLadderFrame* ladder = demo.Open("LEVEL1");
        QVERIFY(ladder != nullptr);
        QVERIFY(!undo->isEnabled());
        QVERIFY(save->isEnabled());

        CLadder& model = ladder->Doc().GetLadder();
        const int rows = model.RowCount();
        QTest::keyClick(ladder->Widget(), Qt::Key_Down);
        QTest::keyClick(ladder->Widget(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(model.RowCount(), rows + 1);
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        QWidget* undoButton = demo.frame.MainToolBar()->widgetForAction(undo);
        QVERIFY(undoButton != nullptr);
        QTest::mouseClick(undoButton, Qt::LeftButton);
        QCOMPARE(model.RowCount(), rows);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        QTest::mouseClick(demo.frame.MainToolBar()->widgetForAction(redo), Qt::LeftButton);
        QCOMPARE(model.RowCount(), rows + 1);

        QVERIFY(demo.frame.App().IsLaddersModified());
        QTest::mouseClick(demo.frame.MainToolBar()->widgetForAction(save), Qt::LeftButton);
        QVERIFY(!demo.frame.App().IsLaddersModified());
        CVARNOApp reread(demo.frame.Messages());
        QVERIFY(reread.OpenProject(demo.dir.File("Demo.KPJ"), false));
        QCOMPARE(reread.Programs().FindByName("LEVEL1")->RowCount(), rows + 1);

        // Paste follows the clipboard: on once the window copied, and it reaches the window.
        QApplication::clipboard()->clear();
        QAction* paste = demo.frame.Commands().Action(ID_EDIT_PASTE);
        QTRY_VERIFY(!paste->isEnabled());
        // The start contact (a row lower since the insert) is copied, then pasted two cells
        // right of the contact below it.
        auto at = [&] {
            return *model.Locate(ladder->View().CaretRow(), ladder->View().CaretColumn());
        };
        QTest::keyClick(ladder->Widget(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(ladder->Widget(), Qt::Key_Down);
        QTest::keyClick(ladder->Widget(), Qt::Key_Down);
        const CElemInfo source = at();
        QCOMPARE(source.cell->Kind(), LDCMD_BASIC);
        QTest::keyClick(ladder->Widget(), Qt::Key_C, Qt::ControlModifier);
        QTRY_VERIFY(paste->isEnabled());
        QTest::keyClick(ladder->Widget(), Qt::Key_Down);
        QTest::keyClick(ladder->Widget(), Qt::Key_Right);
        QTest::keyClick(ladder->Widget(), Qt::Key_Right);
        const CElemInfo target = at();
        QCOMPARE(target.cell->Kind(), LDCMD_NONE);
        QTest::mouseClick(demo.frame.MainToolBar()->widgetForAction(paste), Qt::LeftButton);
        const CLDCell* pasted = model.GetCell(target.row, target.column);
        QCOMPARE(pasted->Kind(), LDCMD_BASIC);
        QCOMPARE(FormatAddress(pasted->Address(), true),
                 FormatAddress(model.GetCell(source.row, source.column)->Address(), true));

        // Ctrl+S in the view is the main window's Save, not an ambiguous key.
        QTest::keyClick(ladder->Widget(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(demo.frame.App().IsLaddersModified());
        QTest::keyClick(ladder->Widget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!demo.frame.App().IsLaddersModified());
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderInShellTest)
#include "ladder_in_shell_test.moc"
