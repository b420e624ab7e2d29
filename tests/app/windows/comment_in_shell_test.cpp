// The comment and parameter windows inside the main window: opened from the workspace tree,
// an edited symbol appears at once under its contact in an open ladder window and in the
// subprogram labels of the tree, and the Tool menu writes the compiled comment file.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "app/dialogs/edit_comment_dlg.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/qt_text.h"
#include "app/shell/main_frame.h"
#include "app/shell/workspace.h"
#include "app/windows/comment_frame.h"
#include "app/windows/comment_group_view.h"
#include "app/windows/comment_view.h"
#include "app/windows/param_frame.h"
#include "editor/recording_surface.h"
#include "model/address.h"
#include "platform/string_table.h"
#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace varno::test {

namespace fs = std::filesystem;

namespace {

struct CShell {
    CShell() {
        SetLanguage(Lang::English);
        for (const auto& entry : fs::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
            fs::copy(entry.path(), dir.Path() / entry.path().filename());
        }
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
        opened = frame.OpenProjectPath(QString::fromStdString(dir.File("Demo.KPJ")));
    }
    QTreeWidgetItem* Node(const QString& text) const {
        const auto found =
            frame.Workspace()->Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }
    QTreeWidgetItem* NodeStartingWith(const QString& text) const {
        const auto found =
            frame.Workspace()->Tree()->findItems(text, Qt::MatchStartsWith | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }
    template <class T>
    T* Window(DocKind kind) {
        const QList<QMdiSubWindow*> windows = frame.DocumentTypes().Windows(kind);
        return windows.size() == 1 ? qobject_cast<T*>(windows.first()->widget()) : nullptr;
    }
    // Chooses the group in the comment window and double-clicks the item of the address,
    // giving it the symbol and comment 1 in the dialog.
    static void ModifyComment(CCommentFrame* window, const std::string& address,
                              const QString& symbol, const QString& comment1) {
        CCommentGroupView* tree = window->GroupView();
        QTreeWidgetItem* group = tree->ItemOf(QString(QChar(address[0])));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(group).center());
        QTableView* list = window->View()->List();
        int row = -1;
        for (int r = 0; r < list->model()->rowCount(); ++r) {
            if (list->model()->index(r, 1).data().toString() == QString::fromStdString(address)) {
                row = r;
            }
        }
        QVERIFY2(row >= 0, address.c_str());
        OnNextModal([symbol, comment1](QWidget* modal) {
            auto* dialog = qobject_cast<CEditCommentDlg*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->SymbolBox()->selectAll();
            QTest::keyClicks(dialog->SymbolBox(), symbol);
            dialog->Comment1Box()->selectAll();
            QTest::keyClicks(dialog->Comment1Box(), comment1);
            PressDialogButton(dialog, QDialogButtonBox::Ok);
        });
        list->scrollTo(list->model()->index(row, 1));
        const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    }

    CTempDir dir;
    CMainFrame frame;
    bool opened = false;
};

}  // namespace

class CommentInShellTest : public QObject {
    Q_OBJECT

private slots:
    void AnEditedSymbolShowsUnderItsContactInTheOpenLadder() {
        CShell shell;
        QVERIFY(shell.opened);
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("LEVEL1"));
        auto* ladder = shell.Window<CLadderFrame>(DocKind::Ladder);
        QVERIFY(ladder != nullptr);
        // The first contact of the program.
        const CLadder& program = ladder->Doc().GetLadder();
        int row = -1;
        int column = -1;
        for (int r = 0; r < program.RowCount() && row < 0; ++r) {
            for (int c = 0; c < 8 && row < 0; ++c) {
                const CLDCell* cell = program.GetCell(r, c);
                if (cell != nullptr && cell->IsContact()) {
                    row = r;
                    column = c;
                }
            }
        }
        QVERIFY(row >= 0);
        const std::string address = FormatAddress(program.GetCell(row, column)->Address(), true);
        const CRect rect = *program.CellRect(program.DisplayRowOf(row), column);
        CLadderWidget* widget = ladder->Widget();
        const QRect below(
            widget->ToViewport(QPoint(rect.left, rect.top + program.CellHeight() / 2)),
            QSize(program.CellWidth(), program.CellHeight() / 2));
        const QImage before = widget->viewport()->grab().toImage().copy(below);

        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Element Comment"));
        auto* comments = shell.Window<CCommentFrame>(DocKind::Comment);
        QVERIFY(comments != nullptr);
        QCOMPARE(comments->windowTitle(), QString("Demo.cmt[*]"));
        CShell::ModifyComment(comments, address, "EDITED", "edited here");
        QVERIFY(shell.frame.App().IsCommentModified());
        QVERIFY(comments->isWindowModified());

        // Drawn under the contact: in the lower part of its cell, across its width.
        CRecordingSurface surface;
        ladder->View().Paint(surface);
        const std::vector<CDrawCall> drawn = surface.Texts("EDITED");
        QCOMPARE(drawn.size(), std::size_t{1});
        QCOMPARE(drawn[0].rect.left, rect.left);
        QCOMPARE(drawn[0].rect.right, rect.left + program.CellWidth());
        QVERIFY(drawn[0].rect.top >= rect.top + program.CellHeight() / 2);
        QVERIFY(drawn[0].rect.top < rect.bottom);
        // And the window itself has painted it.
        QTRY_VERIFY(widget->viewport()->grab().toImage().copy(below) != before);
    }

    void SubprogramLabelsFollowTheComments() {
        CShell shell;
        QVERIFY(shell.opened);
        QTreeWidgetItem* lamps = shell.NodeStartingWith("P0001");
        QVERIFY(lamps != nullptr);
        QCOMPARE(lamps->text(0), QString("P0001(Lamp subprogram)"));
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Element Comment"));
        auto* comments = shell.Window<CCommentFrame>(DocKind::Comment);
        QVERIFY(comments != nullptr);
        CShell::ModifyComment(comments, "P0001", "LAMPS", "Signal lamps");
        QCOMPARE(lamps->text(0), QString("P0001(Signal lamps)"));
    }

    void TheToolMenuWritesTheCompiledCommentFile() {
        CShell shell;
        QVERIFY(shell.opened);
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Element Comment"));
        QVERIFY(shell.Window<CCommentFrame>(DocKind::Comment) != nullptr);
        QAction* generate = nullptr;
        for (QAction* menu : shell.frame.menuBar()->actions()) {
            if (menu->menu() != nullptr) {
                for (QAction* action : menu->menu()->actions()) {
                    if (action->objectName() == "GenerateCommentFileMenu") {
                        generate = action;
                    }
                }
            }
        }
        QVERIFY(generate != nullptr);
        QCOMPARE(generate->text(), QString("&Generate comment file"));
        QVERIFY(!fs::exists(shell.dir.File("plc.pro")));
        generate->trigger();
        QVERIFY(fs::exists(shell.dir.File("plc.pro")));
    }

    void TheParameterNodeOpensTheParameterFile() {
        CShell shell;
        QVERIFY(shell.opened);
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Parameter"));
        auto* params = shell.Window<CParamFrame>(DocKind::Parameter);
        QVERIFY(params != nullptr);
        QCOMPARE(params->windowTitle(), QString("Demo.par[*]"));
        // A second double click brings the same window forward.
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Parameter"));
        QCOMPARE(shell.frame.DocumentTypes().Windows(DocKind::Parameter).size(), 1);

        // Without the file, the node creates it.
        QVERIFY(CDocumentTypes::CloseWindow(
            shell.frame.DocumentTypes().Windows(DocKind::Parameter)[0]));
        fs::remove(shell.dir.File("Demo.par"));
        DoubleClickItem(shell.frame.Workspace()->Tree(), shell.Node("Parameter"));
        QTRY_VERIFY(shell.Window<CParamFrame>(DocKind::Parameter) != nullptr);
        QCOMPARE(fs::file_size(shell.dir.File("Demo.par")), std::uintmax_t{2056});
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::CommentInShellTest)
#include "comment_in_shell_test.moc"
