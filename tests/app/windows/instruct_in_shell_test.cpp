// The instruction window inside the main window: the workspace's instruction node tells the
// user to compile first, opens the compiled list once there is one, and the open window follows
// a new list written by another program without asking.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/qt_text.h"
#include "app/shell/main_frame.h"
#include "app/shell/workspace.h"
#include "app/windows/instruct_view.h"
#include "compiler/compile_command.h"
#include "platform/string_table.h"
#include "shell/shell_test_support.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno::test {

namespace fs = std::filesystem;

class InstructInShellTest : public QObject {
    Q_OBJECT

private slots:
    void OpensAfterCompileAndFollowsTheFile() {
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
        const auto found = tree->findItems("Instruction", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);

        QString said;
        AnswerMessage(QMessageBox::Ok, &said);
        DoubleClickItem(tree, found.first());
        QCOMPARE(said, QString("Can't open the file, please compile first!"));
        QVERIFY(frame.MdiArea()->subWindowList().isEmpty());

        const std::string path = frame.App().GetFullPath(frame.App().Files().instruct);
        CRecordingOutput output;
        CRecordingMessages messages;
        QVERIFY(RunCompileCommand(frame.App().Programs(), path, output, messages).compiled);
        DoubleClickItem(tree, found.first());
        QTRY_COMPARE(frame.MdiArea()->subWindowList().size(), 1);
        auto* view = qobject_cast<CInstructView*>(frame.MdiArea()->subWindowList()[0]->widget());
        QVERIFY(view != nullptr);
        QVERIFY(view->toPlainText().contains("1th Rung"));

        // Another program replaces the list the way an atomic save does.
        const std::string temporary = path + ".new";
        std::ofstream(temporary, std::ios::binary) << "RD X0000.0\r\nWRT Y0000.0\r\n";
        QCOMPARE(std::rename(temporary.c_str(), path.c_str()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(view->toPlainText(), QString("RD X0000.0\nWRT Y0000.0\n"), 10000);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::InstructInShellTest)
#include "instruct_in_shell_test.moc"
