#include <QHeaderView>

#include "app/dialogs/data_table_dlg.h"
#include "app/dialogs/qt_editor_dialogs.h"
#include "app/qt_text.h"
#include "app/widgets/edit_label.h"
#include "app/widgets/edit_list.h"
#include "dialog_test_util.h"
#include "model/catalog.h"
#include "model/ladder_builders.h"
#include "support/recording_services.h"

namespace varno::test {

namespace {

QString Cell(const CDataTableDlg& dialog, int row, int column) {
    QAbstractItemModel* model = dialog.List()->model();
    return model->data(model->index(row, column)).toString();
}

// Clicks the Data cell of a row, types over its text and presses Enter.
void EditData(CDataTableDlg& dialog, int row, const QString& text) {
    CEditList* list = dialog.List();
    const QModelIndex cell = list->model()->index(row, 1);
    list->scrollTo(cell);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(cell).center());
    QVERIFY(list->IsEditing());
    QTest::keyClicks(list->Editor(), text);
    QTest::keyClick(list->Editor(), Qt::Key_Return);
}

}  // namespace

class OperandDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void ATimerShowsItsOneOperandWithItsMeaning() {
        CRecordingMessages messages;
        CDataTableDlg dialog(COperandTable(FUNC_TMR), messages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Parameter"));
        QAbstractItemModel* model = dialog.List()->model();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Index"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Data"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Define"));
        QCOMPARE(dialog.List()->columnWidth(0), 50);
        QCOMPARE(dialog.List()->columnWidth(1), 90);
        QVERIFY(dialog.List()->horizontalHeader()->stretchLastSection());
        QCOMPARE(Cell(dialog, 0, 0), QString("0"));
        QCOMPARE(Cell(dialog, 0, 1), QString());
        QCOMPARE(Cell(dialog, 0, 2), FromGbk(FuncTexts(FUNC_TMR)->operandHints[0]));

        // Only Data edits; the operand goes in upper case and OK hands it over parsed.
        QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {},
                          dialog.List()->visualRect(model->index(0, 2)).center());
        QVERIFY(!dialog.List()->IsEditing());
        EditData(dialog, 0, "t0004");
        QCOMPARE(Cell(dialog, 0, 1), QString("T0004"));
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<CLDCmd> operands = dialog.Table().Operands();
        QCOMPARE(operands.size(), std::size_t(1));
        QCOMPARE(operands[0].kind, std::uint8_t(LDCMD_OPERAND));
        QCOMPARE(FormatOperand(operands[0], false), std::string("T0004"));
    }

    void TheCodbTableGrowsAndShrinksWithItsLength() {
        CRecordingMessages messages;
        COperandTable table(FUNC_CODB);
        const CLDCell codb = Codb(2, 4);
        table.Load(codb.Operands());
        CDataTableDlg dialog(table, messages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QAbstractItemModel* model = dialog.List()->model();
        QCOMPARE(model->rowCount(), 8);
        QCOMPARE(Cell(dialog, 4, 2), QString("table 0th item"));

        EditData(dialog, 1, "6");
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(Cell(dialog, 8, 0), QString("8"));
        QCOMPARE(Cell(dialog, 8, 2), QString("table 4th item"));
        QCOMPARE(Cell(dialog, 9, 2), QString("table 5th item"));
        QCOMPARE(Cell(dialog, 9, 1), QString());
        QCOMPARE(dialog.List()->currentIndex().row(), 2);  // Enter moved down

        EditData(dialog, 1, "2");
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(Cell(dialog, 4, 1), QString("100"));
        QCOMPARE(Cell(dialog, 5, 1), QString("101"));

        // A length the core refuses leaves the row and the table as they were.
        EditData(dialog, 1, "R1");
        QCOMPARE(Cell(dialog, 1, 1), QString("2"));
        QCOMPARE(model->rowCount(), 6);

        EditData(dialog, 5, "77");
        QTest::keyClick(dialog.List(), Qt::Key_Return);  // Enter on the list is the dialog's OK
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<CLDCmd> operands = dialog.Table().Operands();
        QCOMPARE(operands.size(), std::size_t(6));
        QCOMPARE(operands[1].Constant(), 2);
        QCOMPARE(operands[4].Constant(), 100);
        QCOMPARE(operands[5].Constant(), 77);
        QCOMPARE(operands[5].code, std::uint8_t(LDOPD_CONST));
    }

    void TypingOnTheListEditsTheSelectedRow() {
        CRecordingMessages messages;
        CDataTableDlg dialog(COperandTable(FUNC_MOVB), messages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.List()->hasFocus());
        QTest::keyClicks(dialog.List(), "r");
        QVERIFY(dialog.List()->IsEditing());
        QVERIFY(dialog.List()->Editor()->hasFocus());
        QTest::keyClicks(dialog.List()->Editor(), "0005");
        QCOMPARE(dialog.List()->EditItem(), 0);
        QCOMPARE(dialog.List()->Editor()->text(), QString("R0005"));
        // Escape cancels the edit and leaves the dialog open.
        QTest::keyClick(dialog.List()->Editor(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(Cell(dialog, 0, 1), QString());
    }

    void CancelLeavesTheCallersTableAlone() {
        QWidget parent;
        CQtEditorDialogs dialogs(&parent);
        COperandTable table(FUNC_TMR);
        WhenModal<CDataTableDlg>([](CDataTableDlg* dialog) {
            EditData(*dialog, 0, "T0002");
            ClickCancel(dialog);
        });
        QVERIFY(!dialogs.RunOperandDialog(table));
        QCOMPARE(table.Text(0), std::string());

        WhenModal<CDataTableDlg>([](CDataTableDlg* dialog) {
            EditData(*dialog, 0, "T0002");
            ClickOk(dialog);
        });
        QVERIFY(dialogs.RunOperandDialog(table));
        QCOMPARE(table.Text(0), std::string("T0002"));
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::OperandDialogTest)
#include "operand_dialog_test.moc"
