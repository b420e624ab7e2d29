#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/dialogs/bat_edit_dlg.h"
#include "app/dialogs/edit_comment_dlg.h"
#include "app/dialogs/find_dlg.h"
#include "app/dialogs/qt_editor_dialogs.h"
#include "app/qt_text.h"
#include "dialog_test_util.h"
#include "editor/dialog_checks.h"
#include "model/address.h"
#include "support/recording_services.h"

namespace varno::test {

class FindBatchCommentTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void FindStartsFromTheGivenTextSelected() {
        CFindDlg dialog("X0010.3");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Find"));
        QVERIFY(dialog.TextBox()->hasFocus());
        QCOMPARE(dialog.TextBox()->selectedText(), QString("X0010.3"));
        QTest::keyClicks(dialog.TextBox(), "tmr");
        QTest::keyClick(dialog.TextBox(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Text(), std::string("tmr"));  // the command upper-cases it
    }

    void ChoosingABankFillsItsRange() {
        CBatEditDlg dialog{CBatchDialogData{}};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Edit Batch"));
        QCOMPARE(dialog.TypeBox()->count(), int(BatchEditRanges().size()));
        QCOMPARE(dialog.TypeBox()->currentText(), QString("X"));
        QVERIFY(dialog.StartBox()->text().isEmpty());
        QVERIFY(dialog.EndBox()->text().isEmpty());
        QCOMPARE(dialog.AmountBox()->text(), QString("0"));
        QVERIFY(dialog.SelectionButton()->isChecked());

        // Down on the closed list chooses the next bank, as a pick from the list does.
        dialog.TypeBox()->setFocus();
        QTest::keyClick(dialog.TypeBox(), Qt::Key_Down);
        QCOMPARE(dialog.TypeBox()->currentText(), QString("Y"));
        QCOMPARE(dialog.StartBox()->text(), QString("0000"));
        QCOMPARE(dialog.EndBox()->text(), QString("0127"));
        QTest::keyClick(dialog.TypeBox(), Qt::Key_Down);
        QTest::keyClick(dialog.TypeBox(), Qt::Key_Down);
        QTest::keyClick(dialog.TypeBox(), Qt::Key_Down);
        QCOMPARE(dialog.TypeBox()->currentText(), QString("R"));
        CBatchDialogData expected;
        expected.typeIndex = 4;
        FillBatchDefaults(expected);
        QCOMPARE(dialog.StartBox()->text(), FromGbk(expected.start));
        QCOMPARE(dialog.EndBox()->text(), FromGbk(expected.end));
    }

    void StartAndEndTakeFourCharactersAndTheAmountDigits() {
        CBatEditDlg dialog{CBatchDialogData{}};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(dialog.StartBox(), "123456");
        QCOMPARE(dialog.StartBox()->text(), QString("1234"));
        QTest::keyClicks(dialog.EndBox(), "0100x");
        QCOMPARE(dialog.EndBox()->text(), QString("0100"));
        dialog.AmountBox()->selectAll();
        QTest::keyClicks(dialog.AmountBox(), "1x0");
        QCOMPARE(dialog.AmountBox()->text(), QString("10"));
        ClickIndicator(dialog.AllButton());
        ClickOk(&dialog);
        const CBatchDialogData values = dialog.Data();
        QCOMPARE(values.typeIndex, 0);
        QCOMPARE(values.start, std::string("1234"));
        QCOMPARE(values.end, std::string("0100"));
        QCOMPARE(values.amount, 10u);
        QCOMPARE(values.area, 1);
    }

    void TheBatchDialogRunsThroughTheInterface() {
        QWidget parent;
        CQtEditorDialogs dialogs(&parent);
        CBatchDialogData values;
        WhenModal<CBatEditDlg>([](CBatEditDlg* dialog) {
            dialog->AmountBox()->selectAll();
            QTest::keyClicks(dialog->AmountBox(), "99999999999");
            ClickOk(dialog);
        });
        QVERIFY(dialogs.RunBatchDialog(values));
        QCOMPARE(values.amount, 4294967295u);  // held at the largest amount, not wrapped

        WhenModal<CFindDlg>([](CFindDlg* dialog) { ClickCancel(dialog); });
        QVERIFY(!dialogs.RunFindDialog("X").has_value());
    }

    void ModifyKeepsTheAddressAndLimitsBytes() {
        CRecordingMessages messages;
        CEditCommentDlg dialog(CEditCommentDlg::Mode::Modify, {"X0010.3", "START", "", ""},
                               [&](const CElemCommentData& values) {
                                   return CheckElemCommentDialog(values, messages);
                               });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Element comment"));
        QVERIFY(dialog.AddressBox()->isReadOnly());
        QVERIFY(dialog.SymbolBox()->hasFocus());
        QCOMPARE(dialog.SymbolBox()->selectedText(), QString("START"));
        QTest::keyClicks(dialog.AddressBox(), "Y1");
        QCOMPARE(dialog.AddressBox()->text(), QString("X0010.3"));

        QTest::keyClicks(dialog.SymbolBox(), "ABCDEFGHIJKLMNOPQRST");
        QCOMPARE(dialog.SymbolBox()->text(), QString("ABCDEFGHIJKLMNOP"));
        // A Chinese character takes two of the 32 bytes.
        TypeText(dialog.Comment1Box(),
                 QString::fromUtf8("主轴电机过载报警信号主轴电机过载报警信号"));
        QCOMPARE(dialog.Comment1Box()->text(),
                 QString::fromUtf8("主轴电机过载报警信号主轴电机过载"));
        // 31 bytes taken, and no half character fits into the last one.
        TypeText(dialog.Comment2Box(), QString::fromUtf8("主轴电机过载报警信号主轴电机过x载"));
        QCOMPARE(dialog.Comment2Box()->text(),
                 QString::fromUtf8("主轴电机过载报警信号主轴电机过x"));
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const CElemCommentData values = dialog.Data();
        QCOMPARE(values.address, std::string("X0010.3"));
        QCOMPARE(values.symbol, std::string("ABCDEFGHIJKLMNOP"));
        QCOMPARE(values.comment1.size(), std::size_t(32));
        QCOMPARE(values.comment2.size(), std::size_t(31));
        QVERIFY(messages.boxes.empty());
    }

    void AddRefusesANonAddressAndKeepsTheDialogOpen() {
        CRecordingMessages messages;
        CEditCommentDlg dialog(CEditCommentDlg::Mode::Add, {}, [&](const CElemCommentData& values) {
            return CheckElemCommentDialog(values, messages);
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!dialog.AddressBox()->isReadOnly());
        QVERIFY(dialog.AddressBox()->hasFocus());
        QTest::keyClicks(dialog.AddressBox(), "Q12345678");
        QCOMPARE(dialog.AddressBox()->text(), QString("Q123456"));  // 7 bytes
        QTest::keyClick(dialog.AddressBox(), Qt::Key_Tab);
        QTest::keyClicks(dialog.SymbolBox(), "S1");
        ClickOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.boxes.size(), std::size_t(1));
        QCOMPARE(messages.boxes[0].text, std::string("Address error!"));
        QVERIFY(dialog.AddressBox()->hasFocus());
        QCOMPARE(dialog.AddressBox()->selectedText(), QString("Q123456"));
        QTest::keyClicks(dialog.AddressBox(), "Y0000.0");
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Data().address, std::string("Y0000.0"));
        QCOMPARE(dialog.Data().symbol, std::string("S1"));
    }

    void TheInterfaceOpensTheCommentDialogInModifyMode() {
        QWidget parent;
        CQtEditorDialogs dialogs(&parent);
        CElemCommentData values{"R0001.2", "OLD", "c1", "c2"};
        WhenModal<CEditCommentDlg>([](CEditCommentDlg* dialog) {
            QVERIFY(dialog->AddressBox()->isReadOnly());
            QTest::keyClicks(dialog->SymbolBox(), "NEW");
            ClickOk(dialog);
        });
        QVERIFY(dialogs.RunElemCommentDialog(values, [](const CElemCommentData&) { return true; }));
        QCOMPARE(values.symbol, std::string("NEW"));
        QCOMPARE(values.comment2, std::string("c2"));
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::FindBatchCommentTest)
#include "find_batch_comment_test.moc"
