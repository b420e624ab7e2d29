// A session as a person has it: the demo project opened in the main window, LEVEL1 opened by a
// double click in the tree, an edit typed with the keyboard alone through the real dialogs,
// saved with Ctrl+S; the saved ladder file must be byte for byte what the command-line editor
// makes of the same steps on another copy of the project.
#include <QProcess>
#include <QTest>
#include <fstream>

#include "ladder_shell_fixture.h"
#include "platform/string_table.h"

namespace varno::test {

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

class LadderSessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PrivateSettings();
        SetLanguage(Lang::English);
    }

    void KeyboardSessionSavesWhatTheScriptMakes() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        CLadderFrame* ladder = demo.Open("LEVEL1");
        QVERIFY(ladder != nullptr);
        QWidget* view = ladder->Widget();
        QVERIFY(view->hasFocus());
        auto key = [view](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(view, k, modifiers);
        };

        // Each step with its line of the script.
        QStringList script{"open LEVEL1"};
        key(Qt::Key_End, Qt::ControlModifier);
        script << "key CtrlEnd";
        key(Qt::Key_I, Qt::ControlModifier);
        key(Qt::Key_Up);
        script << "insert-row"
               << "key Up";
        TypeIntoElementDialog("X0010.3", 1);
        key(Qt::Key_F4);
        script << "contact 1 X0010.3";
        TypeIntoElementDialog("R0002.4");
        key(Qt::Key_F4);
        script << "contact 0 R0002.4";
        TypeIntoElementDialog("Y0002.1");
        key(Qt::Key_F5);
        script << "coil 0 Y0002.1";
        key(Qt::Key_Up);
        key(Qt::Key_Right);
        script << "key Up"
               << "key Right";
        key(Qt::Key_Delete);
        script << "delete";
        key(Qt::Key_Z, Qt::ControlModifier);
        script << "undo";
        key(Qt::Key_Down);
        key(Qt::Key_Right, Qt::ControlModifier);
        script << "key Down"
               << "line-right";
        key(Qt::Key_Down, Qt::ControlModifier);
        script << "line-down";
        key(Qt::Key_Left);
        key(Qt::Key_Backspace);
        script << "key Left"
               << "backspace";
        key(Qt::Key_Home, Qt::ControlModifier);
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_I, Qt::ControlModifier);
        script << "key CtrlHome"
               << "key Down"
               << "key Down"
               << "insert-row";
        QVERIFY(demo.frame.App().IsLaddersModified());
        // Ctrl+S is the main window's key and needs the window active. Offscreen nothing hands
        // the activation back after a dialog closes; a window manager would.
        demo.frame.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&demo.frame));
        key(Qt::Key_S, Qt::ControlModifier);
        script << "save";
        QVERIFY(!demo.frame.App().IsLaddersModified());

        const std::string saved = ReadBytes(demo.dir.File("Demo.vld"));
        QVERIFY(saved != ReadBytes(VARNO_SOURCE_DIR "/examples/Demo/Demo.vld"));

        CTempDir other;
        CopyDemo(other);
        const std::string scriptPath = other.File("session.txt");
        {
            std::ofstream out(scriptPath, std::ios::binary);
            out << script.join('\n').toStdString() << '\n';
        }
        QProcess varnoc;
        varnoc.start(VARNOC_PATH,
                     {"--lang", "en", "edit", QString::fromStdString(other.File("Demo.KPJ")),
                      QString::fromStdString(scriptPath)});
        QVERIFY(varnoc.waitForFinished(30000));
        const QString said = QString::fromUtf8(varnoc.readAllStandardOutput()) +
                             QString::fromUtf8(varnoc.readAllStandardError());
        QVERIFY2(varnoc.exitStatus() == QProcess::NormalExit && varnoc.exitCode() == 0,
                 qPrintable(said));
        QVERIFY2(said.isEmpty(), qPrintable(said));
        QVERIFY(ReadBytes(other.File("Demo.vld")) == saved);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderSessionTest)
#include "ladder_session_test.moc"
