// The ladder window inside the main window: a double click on a program of the workspace opens
// it, a second double click activates the same window, and Close Workspace closes it.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <filesystem>

#include "app/ladder/ladder_frame.h"
#include "app/shell/main_frame.h"
#include "app/shell/workspace.h"
#include "platform/string_table.h"
#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace varno::test {

namespace fs = std::filesystem;

class LadderInShellTest : public QObject {
    Q_OBJECT

private slots:
    void DoubleClickOpensTheProgramOnce() {
        SetLanguage(Lang::English);
        CTempDir dir;
        for (const auto& entry : fs::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
            fs::copy(entry.path(), dir.Path() / entry.path().filename());
        }
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.OpenProjectPath(QString::fromStdString(dir.File("Demo.KPJ"))));

        QTreeWidget* tree = frame.Workspace()->Tree();
        const auto found = tree->findItems("LEVEL1", Qt::MatchStartsWith | Qt::MatchRecursive, 0);
        QCOMPARE(found.size(), 1);
        DoubleClickItem(tree, found.first());
        QTRY_COMPARE(frame.MdiArea()->subWindowList().size(), 1);
        auto* ladder = qobject_cast<CLadderFrame*>(frame.MdiArea()->subWindowList()[0]->widget());
        QVERIFY(ladder != nullptr);
        QVERIFY(ladder->Doc().GetLadder().RowCount() > 0);

        DoubleClickItem(tree, found.first());
        QCOMPARE(frame.MdiArea()->subWindowList().size(), 1);

        frame.OnCloseWorkspace();
        QVERIFY(!frame.IsProjectOpen());
        QTRY_VERIFY(frame.MdiArea()->subWindowList().isEmpty());
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderInShellTest)
#include "ladder_in_shell_test.moc"
