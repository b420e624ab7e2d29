#include "app/shell/main_frame.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTest>

#include "platform/string_table.h"

namespace varno {

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void StartsShowsAndCloses() {
        SetLanguage(Lang::English);
        auto* frame = new CMainFrame;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(frame->windowTitle(), QString("KESTO 3.3.2"));
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
        QCOMPARE(frame->OutputBar()->windowTitle(), QString("Output window"));
        QVERIFY(frame->WorkspaceBar()->isVisible());
        QPointer<CMainFrame> alive(frame);
        QVERIFY(frame->close());
        QTRY_VERIFY(alive.isNull());
    }

    void ChineseEditionTitles() {
        SetLanguage(Lang::Chinese);
        CMainFrame frame;
        QCOMPARE(frame.OutputBar()->windowTitle(), QString::fromUtf8("输出窗口"));
        QCOMPARE(frame.windowTitle(), QString("KESTO 3.3.2"));
        SetLanguage(Lang::English);
    }

    void OutputLinesShowTheBar() {
        CMainFrame frame;
        frame.show();
        frame.OutputBar()->hide();
        frame.OutputText("Compile finished - %d errors, %d warnings", 0, 0);
        QVERIFY(frame.OutputBar()->isVisible());
        QCOMPARE(frame.OutputEdit()->toPlainText(),
                 QString("Compile finished - 0 errors, 0 warnings"));
        frame.ClearOutput();
        QVERIFY(frame.OutputEdit()->toPlainText().isEmpty());
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
};

}  // namespace varno

QTEST_MAIN(varno::MainFrameTest)
#include "main_frame_test.moc"
