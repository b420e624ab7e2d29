#include "app/widgets/edit_list.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/widgets/edit_label.h"

namespace varno {

// A dialog holding a list of rows "0".."n-1" with a value column and a second text box that
// can take the focus away.
class ListHarness {
public:
    explicit ListHarness(int rows) {
        auto* layout = new QVBoxLayout(&dialog);
        list = new CEditList(&dialog);
        other = new QLineEdit(&dialog);
        layout->addWidget(list);
        layout->addWidget(other);
        model.setColumnCount(3);
        for (int i = 0; i < rows; ++i) {
            model.appendRow({new QStandardItem(QString::number(i)),
                             new QStandardItem(QString("V%1").arg(i)),
                             new QStandardItem(QString("note %1").arg(i))});
        }
        list->setModel(&model);
        dialog.resize(360, 260);
        dialog.show();
        dialog.activateWindow();
    }

    QPoint CellCenter(int row, int column) const {
        return list->visualRect(model.index(row, column)).center();
    }
    void ClickCell(int row, int column) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCenter(row, column));
    }
    QString Cell(int row, int column) const { return model.item(row, column)->text(); }
    CEditLabel* Editor() const { return list->Editor(); }

    QStandardItemModel model;
    QDialog dialog;
    CEditList* list;
    QLineEdit* other;
};

class EditListTest : public QObject {
    Q_OBJECT

private slots:
    void RowsAlternateColoursInTheListFont() {
        ListHarness h(4);
        QVERIFY(QTest::qWaitForWindowExposed(&h.dialog));
        const QImage image = h.list->viewport()->grab().toImage();
        // Sample near the right end of the value column, where no text is drawn.
        const QRect row0 = h.list->visualRect(h.model.index(0, 2));
        const QRect row1 = h.list->visualRect(h.model.index(1, 2));
        const QRect row2 = h.list->visualRect(h.model.index(2, 2));
        const qreal dpr = image.devicePixelRatio();
        auto at = [&](const QRect& r) {
            return image.pixelColor(QPoint(r.right() - 3, r.center().y()) * dpr);
        };
        QCOMPARE(at(row0), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(at(row1), QColor(0xF0, 0xF7, 0xF9));
        QCOMPARE(at(row2), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(h.list->font().family(), QString("Arial"));
        QCOMPARE(h.list->font().pointSize(), 10);
        QVERIFY(!QFontInfo(h.list->font()).family().isEmpty());
    }

    void OnlyTheEditableColumnEdits() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        h.ClickCell(1, 0);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(h.Editor() == nullptr || !h.Editor()->isVisible());
        h.ClickCell(1, 2);
        QVERIFY(!h.list->IsEditing());

        h.ClickCell(1, 1);
        QVERIFY(h.list->IsEditing());
        QVERIFY(h.Editor()->isVisible());
        QVERIFY(h.Editor()->hasFocus());
        QCOMPARE(h.Editor()->text(), QString("V1"));
        QCOMPARE(h.Editor()->selectedText(), QString("V1"));
        const QRect cell = h.list->visualRect(h.model.index(1, 1));
        QCOMPARE(h.Editor()->geometry().left(), cell.left() + 3);
        QCOMPARE(h.Editor()->geometry().top(), cell.top());
        QCOMPARE(h.list->EditItem(), 1);
        QCOMPARE(h.list->EditSubItem(), 1);

        // A derived list (the parameter window) chooses another column.
        h.list->SetEditableColumn(2);
        h.ClickCell(0, 2);
        QVERIFY(h.list->IsEditing());
        QCOMPARE(h.Editor()->text(), QString("NOTE 0"));
    }

    void ATypedCharacterOpensTheEditorInUpperCase() {
        ListHarness h(4);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        h.ClickCell(2, 1);
        QTest::keyClick(h.Editor(), Qt::Key_Escape);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(h.list->hasFocus());
        QTest::keyClicks(h.list, "r");
        QVERIFY(h.list->IsEditing());
        QCOMPARE(h.list->EditItem(), 2);
        QCOMPARE(h.Editor()->text(), QString("R"));
        QCOMPARE(h.Editor()->cursorPosition(), 1);
        QTest::keyClicks(h.Editor(), "0100.x");
        QCOMPARE(h.Editor()->text(), QString("R0100.X"));
        QTest::keyClick(h.Editor(), Qt::Key_Return);
        QCOMPARE(h.Cell(2, 1), QString("R0100.X"));
    }

    void TypingStartsOnAFreshListAndNotAfterAClickInAPlainColumn() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        h.list->setFocus();
        h.list->selectRow(1);
        QTest::keyClicks(h.list, "7");
        QVERIFY(h.list->IsEditing());
        QCOMPARE(h.list->EditSubItem(), 1);
        QTest::keyClick(h.Editor(), Qt::Key_Escape);

        h.ClickCell(0, 0);
        QTest::keyClicks(h.list, "7");
        QVERIFY(!h.list->IsEditing());
        QCOMPARE(h.Cell(0, 1), QString("V0"));
    }

    void EnterCommitsAndMovesDownButNotPastTheLastRow() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        QSignalSpy committed(h.list, &CEditList::EditCommitted);
        h.ClickCell(0, 1);
        QTest::keyClicks(h.Editor(), "12");
        QTest::keyClick(h.Editor(), Qt::Key_Return);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(!h.Editor()->isVisible());
        QCOMPARE(h.Cell(0, 1), QString("12"));
        QCOMPARE(committed.count(), 1);
        QCOMPARE(committed.at(0).at(0).toInt(), 0);
        QCOMPARE(committed.at(0).at(1).toInt(), 1);
        QCOMPARE(committed.at(0).at(2).toString(), QString("12"));
        QCOMPARE(h.list->currentIndex().row(), 1);
        QCOMPARE(h.list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(h.list->selectionModel()->selectedRows().first().row(), 1);
        QVERIFY(h.list->hasFocus());
        QVERIFY(h.dialog.isVisible());  // Enter went to the editor, not to the dialog

        h.ClickCell(2, 1);
        QTest::keyClicks(h.Editor(), "9");
        QTest::keyClick(h.Editor(), Qt::Key_Enter);
        QCOMPARE(h.Cell(2, 1), QString("9"));
        QCOMPARE(h.list->currentIndex().row(), 2);
        QCOMPARE(h.list->selectionModel()->selectedRows().first().row(), 2);
    }

    void EscapeAndAHeaderClickCancel() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        QSignalSpy committed(h.list, &CEditList::EditCommitted);
        h.ClickCell(1, 1);
        QTest::keyClicks(h.Editor(), "55");
        QTest::keyClick(h.Editor(), Qt::Key_Escape);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(h.dialog.isVisible());  // Escape did not close the dialog
        QCOMPARE(h.Cell(1, 1), QString("V1"));

        h.ClickCell(1, 1);
        QTest::keyClicks(h.Editor(), "66");
        QHeaderView* header = h.list->horizontalHeader();
        const QPoint onHeader(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onHeader);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(!h.Editor()->isVisible());
        QCOMPARE(h.Cell(1, 1), QString("V1"));
        QCOMPARE(committed.count(), 0);
    }

    void LosingTheFocusCommits() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        h.ClickCell(0, 1);
        QTest::keyClicks(h.Editor(), "x1");
        QTest::mouseClick(h.other, Qt::LeftButton);
        QVERIFY(!h.list->IsEditing());
        QCOMPARE(h.Cell(0, 1), QString("X1"));
        QVERIFY(h.other->hasFocus());

        // A click on another cell commits the old edit and starts the new one.
        h.ClickCell(0, 1);
        QTest::keyClicks(h.Editor(), "y2");
        h.ClickCell(2, 1);
        QCOMPARE(h.Cell(0, 1), QString("Y2"));
        QVERIFY(h.list->IsEditing());
        QCOMPARE(h.list->EditItem(), 2);
        QCOMPARE(h.Editor()->text(), QString("V2"));

        // A click on the list below its rows commits too.
        QTest::keyClicks(h.Editor(), "z3");
        QTest::mouseClick(h.list->viewport(), Qt::LeftButton, {},
                          QPoint(5, h.list->viewport()->height() - 5));
        QTRY_COMPARE(h.Cell(2, 1), QString("Z3"));
        QVERIFY(!h.list->IsEditing());
    }

    void ScrollingHidesTheEditorWithoutCommitting() {
        ListHarness h(60);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        QSignalSpy committed(h.list, &CEditList::EditCommitted);
        h.ClickCell(1, 1);
        QTest::keyClicks(h.Editor(), "77");
        const QPoint inside = h.CellCenter(2, 0);
        QWheelEvent wheel(inside, h.list->viewport()->mapToGlobal(inside), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(h.list->viewport(), &wheel);
        QVERIFY(h.list->verticalScrollBar()->value() > 0);
        QVERIFY(!h.list->IsEditing());
        QVERIFY(!h.Editor()->isVisible());
        QCOMPARE(h.Cell(1, 1), QString("V1"));
        QCOMPARE(committed.count(), 0);
    }

    void ADoubleClickEditsTheCell() {
        ListHarness h(3);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        // The double click alone, as it arrives after the first click's press and release.
        QTest::mouseDClick(h.list->viewport(), Qt::LeftButton, {}, h.CellCenter(2, 1));
        QVERIFY(h.list->IsEditing());
        QCOMPARE(h.list->EditItem(), 2);
        QCOMPARE(h.Editor()->selectedText(), QString("V2"));
    }
};

}  // namespace varno

QTEST_MAIN(varno::EditListTest)
#include "edit_list_test.moc"
