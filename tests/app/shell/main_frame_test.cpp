#include "app/shell/main_frame.h"

#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/output_bar.h"
#include "app/shell/workspace.h"
#include "platform/string_table.h"
#include "shell_test_support.h"

namespace varno {

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::PrivateSettings(); }

    void StartsShowsAndCloses() {
        SetLanguage(Lang::English);
        auto* frame = new CMainFrame;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(frame->windowTitle(), QString("KESTO 3.3.2"));
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
        QCOMPARE(frame->OutputBar()->windowTitle(), QString("Output window"));
        QVERIFY(frame->Workspace()->isVisible());
        QVERIFY(!frame->Workspace()->Tree()->isVisible());
        QPointer<CMainFrame> alive(frame);
        QVERIFY(frame->close());
        QTRY_VERIFY(alive.isNull());
    }

    // On a first start the workspace bar gets a width that shows its tree, and it keeps that
    // width while no project is open (the tree is hidden then).
    void WorkspaceBarKeepsItsWidthWithoutAProject() {
        QSettings("TELMARA", "VARNO").clear();
        CMainFrame frame;
        frame.resize(1280, 900);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(frame.Workspace()->width() >= 200);
        QVERIFY(frame.OpenProjectPath(VARNO_SOURCE_DIR "/examples/Demo/Demo.KPJ"));
        QVERIFY(frame.Workspace()->Tree()->isVisible());
        const int width = frame.Workspace()->width();
        QVERIFY(frame.CloseWorkspace());
        QVERIFY(!frame.Workspace()->Tree()->isVisible());
        QTest::qWait(50);
        QCOMPARE(frame.Workspace()->width(), width);
    }

    // Document windows go before the services they were opened with: the registrations make
    // those children of the main window, as the bars are.
    void DocumentWindowsGoBeforeTheServices() {
        auto* frame = new CMainFrame;
        QPointer<QObject> service(frame->OutputBar());
        bool serviceAliveAtWindowEnd = false;
        frame->DocumentTypes().Register(
            {DocKind::Ladder, StrId{}, ".vld", [&](const CDocumentRequest&) -> QWidget* {
                 auto* window = new QLabel("LEVEL1");
                 connect(window, &QObject::destroyed,
                         [&] { serviceAliveAtWindowEnd = !service.isNull(); });
                 return window;
             }});
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(frame->DocumentTypes().Open(DocKind::Ladder, {"LEVEL1", false}) != nullptr);
        delete frame;
        QVERIFY(service.isNull());
        QVERIFY(serviceAliveAtWindowEnd);
    }

    // The main window comes back where and as large as it was closed.
    void WindowPlacementSurvivesARestart() {
        QSettings("TELMARA", "VARNO").clear();
        const QRect placed(40, 30, 1180, 820);
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            frame.setGeometry(placed);
            QTRY_COMPARE(frame.geometry(), placed);
            QVERIFY(frame.close());
        }
        CMainFrame again;
        QCOMPARE(again.geometry(), placed);
    }

    // Menus "&File", "&View", "&Help"; the main toolbar's buttons in order; five status panes.
    void MenusToolbarAndStatusPanes() {
        CMainFrame frame;
        QStringList menus;
        for (QAction* action : frame.menuBar()->actions()) {
            menus.append(action->text());
        }
        QCOMPARE(menus, (QStringList{"&File", "&View", "&Help"}));
        QList<int> buttons;
        for (QAction* action : frame.MainToolBar()->actions()) {
            int id = 0;
            for (int candidate :
                 {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                  ID_EDIT_UNDO, ID_EDIT_REDO, ID_VIEW_WORKSPACE, ID_VIEW_OUTPUT_BAR, ID_FILE_PRINT,
                  ID_APP_ABOUT}) {
                if (frame.Commands().Action(candidate) == action) {
                    id = candidate;
                }
            }
            buttons.append(action->isSeparator() ? 0 : id);
        }
        QCOMPARE(buttons,
                 (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                             ID_EDIT_PASTE, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_VIEW_WORKSPACE,
                             ID_VIEW_OUTPUT_BAR, 0, ID_FILE_PRINT, 0, ID_APP_ABOUT}));
        // Without a document window the document commands are off.
        frame.UpdateCommandStates();
        QVERIFY(!frame.Commands().Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!frame.Commands().Action(ID_CLOSE_WORKSPACE)->isEnabled());
        QVERIFY(!frame.Commands().Action(ID_IMPORT_ROM)->isEnabled());
        QCOMPARE(frame.StatusPane()->text(), QString(20, ' '));
        QCOMPARE(frame.statusBar()->findChildren<QLabel*>().size(), 4);
    }

    void ChineseEditionTitles() {
        SetLanguage(Lang::Chinese);
        CMainFrame frame;
        QCOMPARE(frame.OutputBar()->windowTitle(), QString::fromUtf8("输出窗口"));
        QCOMPARE(frame.Workspace()->windowTitle(), QString::fromUtf8("工作区窗口"));
        QCOMPARE(frame.windowTitle(), QString("KESTO 3.3.2"));
        QCOMPARE(frame.menuBar()->actions().first()->text(), QString::fromUtf8("文件(&F)"));
        SetLanguage(Lang::English);
    }

    void OutputLinesShowTheBar() {
        CMainFrame frame;
        frame.show();
        frame.OutputBar()->hide();
        frame.OutputText("Compile finished - %d errors, %d warnings", 0, 0);
        QVERIFY(frame.OutputBar()->isVisible());
        QCOMPARE(frame.OutputBar()->Edit()->toPlainText(),
                 QString("Compile finished - 0 errors, 0 warnings"));
        frame.ClearOutput();
        QVERIFY(frame.OutputBar()->Edit()->toPlainText().isEmpty());
    }

    // The project named at start-up is opened unchanged, so that quitting asks nothing and the
    // demo's files are never rewritten; an empty path leaves the open project as it is.
    void OpensTheProjectGivenAtStartUp() {
        CMainFrame frame;
        QVERIFY(!frame.IsProjectOpen());
        QVERIFY(frame.OpenProjectPath(VARNO_SOURCE_DIR "/examples/Demo/Demo.KPJ"));
        QVERIFY(frame.IsProjectOpen());
        QVERIFY(frame.App().Programs().GetCount() >= 2);
        QVERIFY(!frame.App().IsProjectModified());
        QVERIFY(!frame.OpenProjectPath(QString()));
        QVERIFY(frame.IsProjectOpen());
        QVERIFY(frame.close());
    }

    // F6 and Shift+F6 move the focus between the workspace tree and the output window.
    void F6CyclesThePanes() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.OpenProjectPath(VARNO_SOURCE_DIR "/examples/Demo/Demo.KPJ"));
        frame.activateWindow();
        frame.Workspace()->Tree()->setFocus();
        QTRY_VERIFY(frame.Workspace()->Tree()->hasFocus());
        QTest::keyClick(frame.Workspace()->Tree(), Qt::Key_F6);
        QTRY_VERIFY(frame.OutputBar()->Edit()->hasFocus());
        QTest::keyClick(frame.OutputBar()->Edit(), Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(frame.Workspace()->Tree()->hasFocus());
    }

    // View commands hide a shown bar and show a hidden one, with a check mark while shown.
    void ViewCommandsToggleTheBars() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QAction* output = frame.Commands().Action(ID_VIEW_OUTPUT_BAR);
        frame.UpdateCommandStates();
        QVERIFY(output->isChecked());
        output->trigger();
        QVERIFY(!frame.OutputBar()->isVisible());
        frame.UpdateCommandStates();
        QVERIFY(!output->isChecked());
        frame.Commands().Action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(!frame.statusBar()->isVisible());
        output->trigger();
        QVERIFY(frame.OutputBar()->isVisible());
    }
};

}  // namespace varno

QTEST_MAIN(varno::MainFrameTest)
#include "main_frame_test.moc"
