// The diagnostics and cross reference bars in the main window on the demo project: filled by
// Check Project, by Compile, by a typed pattern and by Shift+F12 on the element under the caret;
// a double click on a finding or a use opens the program with the caret on the cell.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "app/check/check_command_ids.h"
#include "app/check/diagnostics_bar.h"
#include "app/check/xref_bar.h"
#include "app/ladder/ladder_command_ids.h"
#include "app/shell/command_table.h"
#include "ladder/ladder_shell_fixture.h"
#include "ladder_builders.h"
#include "platform/string_table.h"

namespace varno::test {

namespace {

template <class Bar>
Bar* FindBar(CMainFrame& frame) {
    return frame.findChild<Bar*>();
}

void DoubleClickAt(QAbstractItemView* view, const QModelIndex& index) {
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The window the main window shows now, as a ladder window.
CLadderFrame* CurrentLadder(CShellDemo& demo) {
    QMdiSubWindow* window = demo.frame.MdiArea()->currentSubWindow();
    return window != nullptr ? qobject_cast<CLadderFrame*>(window->widget()) : nullptr;
}

}  // namespace

class CheckBarsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrivateSettings(); }
    void init() { SetLanguage(Lang::English); }
    void cleanup() { SetLanguage(Lang::English); }

    // A relay read in a subprogram and written nowhere: Check Project lists it; a double click
    // opens the subprogram with the caret on the contact, below the comment rows above it.
    void DoubleClickOnAFindingGoesToItsCell() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        auto* bar = FindBar<CDiagnosticsBar>(demo.frame);
        QVERIFY(bar != nullptr);
        QVERIFY(!bar->isVisible());
        QCOMPARE(bar->Summary()->text(), QString("Not checked yet"));
        CLadder* sub = demo.frame.App().Programs().FindByName("P0002");
        QVERIFY(sub != nullptr);
        sub->PutElement(8, 0, Contact('R', 100, 0));

        QVERIFY(demo.frame.Commands().Run(ID_CHECK_PROJECT));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Summary()->text(), QString("0 errors, 1 warnings, 0 notes"));
        QCOMPARE(bar->List()->count(), 1);
        QCOMPARE(bar->List()->item(0)->text(),
                 QString("P0002:8:0: warning: R0100.0 is read but never written"));
        QVERIFY(!bar->List()->item(0)->icon().isNull());

        DoubleClickAt(bar->List(), bar->List()->model()->index(0, 0));
        CLadderFrame* ladder = CurrentLadder(demo);
        QVERIFY(ladder != nullptr);
        QCOMPARE(&ladder->Doc().GetLadder(), sub);
        const int displayRow = sub->DisplayRowOf(8);
        QCOMPARE(ladder->View().CaretRow(), displayRow);
        QCOMPARE(ladder->View().CaretColumn(), 0);
        QVERIFY(ladder->Widget()->hasFocus());
        QTRY_VERIFY(ladder->Widget()->CaretRect().has_value());
        QCOMPARE(demo.frame.StatusPane()->text(), QString("ln%1,col0").arg(displayRow));
    }

    // Compile from the ladder window's Tool menu fills the list too and brings it forward when
    // there is something to see; a clean project leaves it where it is.
    void CompileFillsTheListInBothEditions() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        auto* bar = FindBar<CDiagnosticsBar>(demo.frame);
        CLadderFrame* level1 = demo.Open("LEVEL1");
        QVERIFY(level1 != nullptr);
        QMenu* tool = demo.Menu("&Tool");
        QVERIFY(tool != nullptr);
        QVERIFY(tool->actions().contains(level1->Commands().Action(ID_CHECK_PROJECT)));
        QVERIFY(level1->Commands().Run(ID_COMPILE));
        QCOMPARE(bar->Summary()->text(), QString("0 errors, 0 warnings, 0 notes"));
        QVERIFY(!bar->isVisible());

        // The edition is chosen at start-up: the Chinese one names LEVEL2 otherwise.
        SetLanguage(Lang::Chinese);
        CShellDemo chinese;
        QVERIFY(chinese.ready);
        bar = FindBar<CDiagnosticsBar>(chinese.frame);
        level1 = chinese.Open("LEVEL1");
        QVERIFY(level1 != nullptr);
        level1->Doc().GetLadder().PutElement(4, 7, Coil('Y', 0, 0));  // was Y0000.1
        QVERIFY(level1->Commands().Run(ID_COMPILE));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Summary()->text(), QString::fromUtf8("0 个错误, 1 个警告, 0 个提示"));
        QCOMPARE(
            bar->List()->item(0)->text(),
            QString::fromUtf8("LEVEL1:4:7: 警告: Y0000.0 被多个线圈写入 (第一个在 LEVEL1:1:7)"));
    }

    // A typed address lists its uses with their counts; a double click on a use opens its
    // program with the caret there.
    void DoubleClickOnAUseGoesToItsCell() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        auto* bar = FindBar<CXrefBar>(demo.frame);
        QVERIFY(bar != nullptr);
        demo.frame.Commands().Run(ID_VIEW_XREF);
        QVERIFY(bar->isVisible());
        bar->Field()->setFocus();
        QTest::keyClicks(bar->Field(), "FEED_FWD");
        QTest::keyClick(bar->Field(), Qt::Key_Return);
        QTreeWidget* tree = bar->Tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* address = tree->topLevelItem(0);
        QCOMPARE(address->text(0), QString("Y0000.1"));
        QCOMPARE(address->text(3), QString("1 read, 1 write"));
        QVERIFY(address->isExpanded());
        QCOMPARE(address->childCount(), 2);
        QTreeWidgetItem* read = address->child(1);
        QCOMPARE(read->text(0), QString("LEVEL1:5:1"));
        QCOMPARE(read->text(1), QString("-|/|-"));
        QCOMPARE(read->text(2), QString("read"));
        QCOMPARE(bar->Summary()->text(), QString("1 addresses, 2 uses"));

        DoubleClickAt(tree, tree->indexFromItem(read));
        CLadderFrame* ladder = CurrentLadder(demo);
        QVERIFY(ladder != nullptr);
        const CLadder& level1 = *demo.frame.App().Programs().FindByName("LEVEL1");
        QCOMPARE(ladder->View().CaretRow(), level1.DisplayRowOf(5));
        QCOMPARE(ladder->View().CaretColumn(), 1);

        bar->Lookup("X7*");
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(bar->Summary()->text(), QString("No address or symbol matches X7*."));
    }

    // Shift+F12 in the ladder window looks up the element under the caret; on an empty cell
    // the field waits for a pattern.
    void ShiftF12LooksUpTheElementUnderTheCaret() {
        CShellDemo demo;
        QVERIFY(demo.ready);
        auto* bar = FindBar<CXrefBar>(demo.frame);
        CLadderFrame* level1 = demo.Open("LEVEL1");
        QVERIFY(level1 != nullptr);
        const CLadder& ladder = level1->Doc().GetLadder();
        QTest::mouseClick(level1->Widget()->viewport(), Qt::LeftButton, {},
                          CellCentre(level1->Widget(), ladder.DisplayRowOf(1), 7));
        QTest::keyClick(level1->Widget(), Qt::Key_F12, Qt::ShiftModifier);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Field()->text(), QString("Y0000.0"));
        QCOMPARE(bar->Tree()->topLevelItem(0)->childCount(), 6);
        QCOMPARE(bar->Tree()->topLevelItem(0)->text(3), QString("5 reads, 1 write"));

        QTest::mouseClick(level1->Widget()->viewport(), Qt::LeftButton, {},
                          CellCentre(level1->Widget(), ladder.DisplayRowOf(2), 4));
        QTest::keyClick(level1->Widget(), Qt::Key_F12, Qt::ShiftModifier);
        QTRY_VERIFY(bar->Field()->hasFocus());
        QCOMPARE(bar->Field()->selectedText(), QString("Y0000.0"));
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::CheckBarsTest)
#include "check_bars_test.moc"
