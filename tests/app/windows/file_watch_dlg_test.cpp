#include "app/dialogs/file_watch_dlg.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/qt_text.h"
#include "dialog_watcher.h"
#include "platform/strings/app_windows.h"

namespace varno {

class FileWatchDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetLanguage(Lang::English); }

    void ShowsOnlyTheBoxesWhoseFlagIsGiven() {
        const int on = 1;
        const int off = 0;
        CFileWatchDlg both(nullptr, "a\n\nb", &on, &off);
        both.show();
        QVERIFY(QTest::qWaitForWindowExposed(&both));
        QCOMPARE(both.windowTitle(), Tr(IDS_MAIN_TITLE));
        QVERIFY(both.AutoReloadBox()->isVisible());
        QVERIFY(both.ReloadAllBox()->isVisible());
        QVERIFY(both.AutoReload());
        QVERIFY(!both.ReloadAll());
        QCOMPARE(both.AutoReloadBox()->text(), QString("&Auto reload the file"));
        QCOMPARE(both.ReloadAllBox()->text(), QString("&Reload all the file"));

        CFileWatchDlg none(nullptr, "a", nullptr, nullptr);
        none.show();
        QVERIFY(QTest::qWaitForWindowExposed(&none));
        QVERIFY(!none.AutoReloadBox()->isVisible());
        QVERIFY(!none.ReloadAllBox()->isVisible());
    }

    void TheMessageFitsItsLongestLineAndTheButtonsAreCentred() {
        const QString longPath = "/home/engineer/projects/" + QString(60, 'p') + "/Demo.txt";
        const QString text = longPath + "\n\n" + Tr(IDS_FILE_RELOAD_QUESTION);
        const int flag = 0;
        CFileWatchDlg dialog(nullptr, text, &flag, &flag);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLabel* message = dialog.Message();
        QCOMPARE(message->text(), text);
        const QFontMetrics metrics(message->font());
        QVERIFY(message->width() >= metrics.horizontalAdvance(longPath));
        QVERIFY(dialog.width() >= message->geometry().right() + 1);

        const QRect ok = dialog.OkButton()->geometry();
        const QRect cancel = dialog.CancelButton()->geometry();
        const QPoint okLeft = dialog.OkButton()->mapTo(&dialog, QPoint(0, 0));
        const QPoint cancelRight = dialog.CancelButton()->mapTo(&dialog, QPoint(cancel.width(), 0));
        QVERIFY(qAbs(okLeft.x() - (dialog.width() - cancelRight.x())) <= 2);
        QCOMPARE(ok.top(), cancel.top());
    }

    void TheAnswerAndTheTicksGoBack() {
        test::CDialogWatcher watcher;
        CFileWatchAsk ask(nullptr);
        int autoReload = 0;
        int reloadAll = 1;
        watcher.answers.push_back({false, true});
        QVERIFY(!ask.AskReload("plc.txt\n\nquestion", &autoReload, &reloadAll));
        QCOMPARE(autoReload, 0);
        QCOMPARE(reloadAll, 1);

        watcher.answers.push_back({true, true});
        QVERIFY(ask.AskReload("plc.txt\n\nquestion", &autoReload, &reloadAll));
        QCOMPARE(autoReload, 1);
        QCOMPARE(reloadAll, 1);
        QCOMPARE(watcher.seen.size(), std::size_t{2});
        QCOMPARE(watcher.seen[0].text, QString("plc.txt\n\nquestion"));
    }

    void TheChineseEditionAsksInChinese() {
        SetLanguage(Lang::Chinese);
        const int flag = 0;
        CFileWatchDlg dialog(nullptr, Tr(IDS_FILE_RELOAD_QUESTION), &flag, nullptr);
        QCOMPARE(dialog.Message()->text(), QString::fromUtf8("文件已修改，是否要重新加载该文件？"));
        QCOMPARE(dialog.AutoReloadBox()->text(), QString::fromUtf8("自动重新加载该文件(&A)"));
        SetLanguage(Lang::English);
    }
};

}  // namespace varno

QTEST_MAIN(varno::FileWatchDlgTest)
#include "file_watch_dlg_test.moc"
