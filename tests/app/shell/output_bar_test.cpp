#include "app/shell/output_bar.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "platform/string_table.h"
#include "shell_test_support.h"

namespace varno {

namespace {

QAction* Entry(QMenu* menu, int index) {
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries.append(action);
        }
    }
    return entries.value(index);
}

}  // namespace

class OutputBarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        test::PrivateSettings();
        SetLanguage(Lang::English);
    }

    // Above 64000 stored characters (lines end in CR LF) the next line first drops the oldest
    // 10000; the text then ends with the newest line, scrolled into view.
    void LongOutputLosesItsOldestTenThousandCharacters() {
        COutputEdit edit(nullptr);
        edit.resize(400, 200);
        edit.show();
        const QString line(98, 'x');  // 100 stored characters a line
        for (int i = 0; i < 640; ++i) {
            edit.AppendLine(QString("%1").arg(i, 4, 10, QChar('0')) + line.left(94));
        }
        QCOMPARE(edit.StoredLength(), 64000);
        edit.AppendLine("first over");
        QCOMPARE(edit.StoredLength(), 64012);
        edit.AppendLine("after");
        QCOMPARE(edit.StoredLength(), 64012 - 10000 + 7);
        // 100 whole lines went: the text starts with line 100.
        QVERIFY(edit.toPlainText().startsWith("0100"));
        QVERIFY(edit.toPlainText().endsWith("first over\nafter"));
        QCOMPARE(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());

        // A cut inside a line keeps the rest of it.
        COutputEdit partial(nullptr);
        partial.AppendLine(QString(64001, 'a'));
        partial.AppendLine("b");
        QCOMPARE(partial.StoredLength(), 64003 - 10000 + 3);
        QCOMPARE(partial.toPlainText(), QString(54001, 'a') + "\nb");
    }

    void ContextMenuEnablesByState() {
        COutputEdit edit(nullptr);
        QMenu* menu = edit.BuildContextMenu();
        QCOMPARE(menu->title(), QString("Output window"));
        QCOMPARE(Entry(menu, 0)->text(), QString("&Copy"));
        QVERIFY(!Entry(menu, 0)->isEnabled());  // Copy
        QVERIFY(!Entry(menu, 1)->isEnabled());  // Select All
        QVERIFY(!Entry(menu, 2)->isEnabled());  // Clear All
        delete menu;

        edit.AppendLine("Compile finished - 0 errors, 0 warnings");
        menu = edit.BuildContextMenu();
        QVERIFY(!Entry(menu, 0)->isEnabled());
        QVERIFY(Entry(menu, 1)->isEnabled());
        QVERIFY(Entry(menu, 2)->isEnabled());
        Entry(menu, 1)->trigger();  // Select All
        delete menu;
        menu = edit.BuildContextMenu();
        QVERIFY(Entry(menu, 0)->isEnabled());
        Entry(menu, 0)->trigger();  // Copy
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Compile finished - 0 errors, 0 warnings"));
        Entry(menu, 2)->trigger();  // Clear All
        QVERIFY(edit.toPlainText().isEmpty());
        QCOMPARE(edit.StoredLength(), 0);
        delete menu;
        menu = edit.BuildContextMenu();
        QVERIFY(!Entry(menu, 2)->isEnabled());
        delete menu;
    }

    // A right click opens the menu; the text cannot be typed into.
    void RightClickShowsTheMenuAndTypingChangesNothing() {
        COutputEdit edit(nullptr);
        edit.resize(300, 120);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.AppendLine("line");
        QTest::keyClicks(&edit, "typed");
        QCOMPARE(edit.toPlainText(), QString("line"));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                                edit.viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(edit.viewport(), &click);
        QMenu* shown = nullptr;
        QTRY_VERIFY((shown = edit.findChild<QMenu*>()) != nullptr && shown->isVisible());
        shown->close();
    }

    void ChineseMenuTexts() {
        SetLanguage(Lang::Chinese);
        COutputEdit edit(nullptr);
        QMenu* menu = edit.BuildContextMenu();
        QCOMPARE(menu->title(), QString::fromUtf8("输出窗口"));
        QCOMPARE(Entry(menu, 2)->text(), QString::fromUtf8("全部清除(&L)"));
        delete menu;
        SetLanguage(Lang::English);
    }
};

}  // namespace varno

QTEST_MAIN(varno::OutputBarTest)
#include "output_bar_test.moc"
