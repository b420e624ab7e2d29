#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/dialogs/element_set.h"
#include "app/dialogs/func_set.h"
#include "app/dialogs/net_comment_dlg.h"
#include "app/dialogs/qt_editor_dialogs.h"
#include "app/qt_text.h"
#include "dialog_test_util.h"
#include "editor/dialog_checks.h"
#include "model/catalog.h"
#include "support/recording_services.h"

namespace varno::test {

namespace {

LDADDR Bit(char letter, std::uint16_t number, std::int8_t bit) {
    LDADDR a{};
    a.letter = letter;
    a.number = number;
    a.bit = bit;
    return a;
}

int CategoryRow(StrId title) {
    for (int i = 0; i < CATEGORY_COUNT; ++i) {
        if (Category(i).title == title) {
            return i;
        }
    }
    return -1;
}

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

}  // namespace

// The contact and coil dialogs with the core's check over a comment table of their own.
class ElementHarness {
public:
    ElementHarness() { comments.SetComment(Bit('X', 10, 3), "START", "", ""); }

    IEditorDialogs::ElementCheck Check(ElementClass cls) {
        return [this, cls](CElementDialogData& values) {
            return CheckElementDialog(cls, values, comments, messages);
        };
    }

    CCommentList comments;
    CRecordingMessages messages;
};

class ElementDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void OpensWithTheTypeAndTheAddressSelected() {
        ElementHarness h;
        CContactSet dialog({2, "X0010.3"}, h.Check(ElementClass::Contact));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Contact"));
        QCOMPARE(Texts(dialog.TypeList()), QStringList({"-| |-", "-|/|-", "-|P|-", "-|N|-"}));
        QCOMPARE(dialog.TypeList()->currentRow(), 2);
        QVERIFY(dialog.AddressBox()->hasFocus());
        QCOMPARE(dialog.AddressBox()->selectedText(), QString("X0010.3"));
        QCOMPARE(dialog.RangeList()->count(), 10);
        QCOMPARE(dialog.RangeList()->item(0)->text(), FromGbk(RangeHint(*ContactRanges()[0])));

        CCoilSet coil({-1, ""}, h.Check(ElementClass::Coil));
        QCOMPARE(coil.windowTitle(), QString("Coil"));
        QCOMPARE(Texts(coil.TypeList()), QStringList({"-( )-", "-(/)-", "-(S)-", "-(R)-"}));
        QCOMPARE(coil.TypeList()->currentRow(), 0);
        QCOMPARE(coil.RangeList()->count(), 5);
    }

    void ASymbolIsRewrittenToItsAddress() {
        ElementHarness h;
        CContactSet dialog({-1, ""}, h.Check(ElementClass::Contact));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(dialog.AddressBox(), "START");
        ClickRow(dialog.TypeList(), 1);
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.AddressBox()->text(), QString("X0010.3"));
        QVERIFY(dialog.Choice().has_value());
        QCOMPARE(dialog.Choice()->code, std::uint8_t(BASIC_RD_NOT));
        QCOMPARE(dialog.Choice()->address.letter, 'X');
        QCOMPARE(dialog.Choice()->address.number, std::uint16_t(10));
        QCOMPARE(dialog.Choice()->address.bit, std::int8_t(3));
        QVERIFY(h.messages.boxes.empty());
    }

    void ACoilAtXIsRefusedAndTheDialogStaysOpen() {
        ElementHarness h;
        CCoilSet dialog({-1, ""}, h.Check(ElementClass::Coil));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(dialog.AddressBox(), "X0000.0");
        ClickRow(dialog.TypeList(), 2);
        ClickOk(&dialog);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Choice());
        QCOMPARE(h.messages.boxes.size(), std::size_t(1));
        QCOMPARE(h.messages.boxes[0].caption, std::string("Error"));
        QCOMPARE(h.messages.boxes[0].text, std::string("Address error!"));
        QCOMPARE(h.messages.boxes[0].icon, MbIcon::Error);
        QVERIFY(dialog.AddressBox()->hasFocus());
        QCOMPARE(dialog.AddressBox()->selectedText(), QString("X0000.0"));

        // A number outside the bank's range is refused the same way.
        QTest::keyClicks(dialog.AddressBox(), "Y9999.0");
        QTest::keyClick(dialog.AddressBox(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(h.messages.boxes.size(), std::size_t(2));

        QTest::keyClicks(dialog.AddressBox(), "Y0002.1");
        QTest::keyClick(dialog.AddressBox(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Choice()->code, std::uint8_t(BASIC_SET));
        QCOMPARE(dialog.Choice()->address.number, std::uint16_t(2));
    }

    void ARangeRowPutsItsFirstAddressIntoTheBox() {
        ElementHarness h;
        CContactSet dialog({-1, "R0001.1"}, h.Check(ElementClass::Contact));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ClickRow(dialog.RangeList(), 0);
        QCOMPARE(dialog.AddressBox()->text(), QString("X0000.0"));
        QVERIFY(dialog.AddressBox()->hasFocus());
        QCOMPARE(dialog.AddressBox()->selectedText(), QString("X0000.0"));
        ClickRow(dialog.RangeList(), 1);
        QCOMPARE(dialog.AddressBox()->text(), QString("Y0000.0"));
    }

    void OnlyTheContactBoxStopsAtTwentyCharacters() {
        ElementHarness h;
        const QString typed = "ABCDEFGHIJKLMNOPQRSTUVWXY";
        CContactSet contact({-1, ""}, h.Check(ElementClass::Contact));
        contact.show();
        QVERIFY(QTest::qWaitForWindowActive(&contact));
        QTest::keyClicks(contact.AddressBox(), typed);
        QCOMPARE(contact.AddressBox()->text(), typed.left(20));
        contact.close();

        CCoilSet coil({-1, ""}, h.Check(ElementClass::Coil));
        coil.show();
        QVERIFY(QTest::qWaitForWindowActive(&coil));
        QTest::keyClicks(coil.AddressBox(), typed);
        QCOMPARE(coil.AddressBox()->text(), typed);
    }

    void TheFunctionDialogForTmrAndTheTimerCategory() {
        CFuncSet dialog(FUNC_TMR);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Function"));
        QCOMPARE(dialog.CategoryList()->count(), CATEGORY_COUNT);
        QCOMPARE(dialog.CategoryList()->item(0)->text(), QString("All"));
        QCOMPARE(dialog.CategoryList()->selectedItems().size(), 1);
        QCOMPARE(dialog.CategoryList()->currentRow(), 0);
        QCOMPARE(dialog.FunctionList()->count(), int(Category(0).members.size()));
        QCOMPARE(dialog.FunctionList()->selectedItems().size(), 1);
        QCOMPARE(dialog.FunctionList()->selectedItems().first()->text(), QString("TMR"));
        QCOMPARE(dialog.Description()->text(), FromGbk(FuncTexts(FUNC_TMR)->description));
        QCOMPARE(dialog.Number(), int(FUNC_TMR));

        ClickRow(dialog.CategoryList(), CategoryRow(IDS_CATEGORY_TIMER));
        QCOMPARE(Texts(dialog.FunctionList()), QStringList({"TMR", "TMRB"}));
        QVERIFY(dialog.FunctionList()->selectedItems().isEmpty());
        QCOMPARE(dialog.Description()->text(), FromGbk(FuncTexts(FUNC_TMR)->description));
        QCOMPARE(dialog.Number(), 0);

        ClickRow(dialog.FunctionList(), 1);
        QCOMPARE(dialog.Description()->text(), FromGbk(FuncTexts(FUNC_TMRB)->description));
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Number(), int(FUNC_TMRB));
    }

    void ANumberNotInAllSelectsNothing() {
        CFuncSet dialog(4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.CategoryList()->currentRow(), 0);
        QVERIFY(dialog.FunctionList()->selectedItems().isEmpty());
        QCOMPARE(dialog.Number(), 0);
        const int first = Category(0).members[0];
        QCOMPARE(dialog.Description()->text(), FromGbk(FuncTexts(first)->description));
        // OK with nothing selected answers 0; a double click chooses and closes.
        DoubleClick(dialog.FunctionList()->viewport(),
                    dialog.FunctionList()->visualItemRect(dialog.FunctionList()->item(2)).center());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Number(), int(Category(0).members[2]));
    }

    void TheCommentRowDialogKeepsLineBreaks() {
        CNetCommentDlg dialog("first\r\nsecond", "");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.Comment1Box()->blockCount(), 2);
        QVERIFY(dialog.Comment1Box()->hasFocus());
        QTest::keyClick(dialog.Comment1Box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(dialog.Comment1Box(), Qt::Key_Return);
        QTest::keyClicks(dialog.Comment1Box(), "third");
        QVERIFY(dialog.isVisible());  // Enter made a new line
        QTest::keyClick(dialog.Comment1Box(), Qt::Key_Tab);
        QVERIFY(dialog.Comment2Box()->hasFocus());
        TypeText(dialog.Comment2Box(), QString::fromUtf8("注释"));
        ClickOk(&dialog);
        QCOMPARE(dialog.Comment1(), std::string("first\r\nsecond\r\nthird"));
        QCOMPARE(dialog.Comment2(), Utf8ToGbk("注释"));
    }

    // The editor's interface runs the real dialogs modally.
    void TheInterfaceRunsTheDialogsModally() {
        ElementHarness h;
        QWidget parent;
        parent.show();
        CQtEditorDialogs dialogs(&parent);
        WhenModal<CContactSet>([](CContactSet* dialog) {
            QTest::keyClicks(dialog->AddressBox(), "START");
            ClickOk(dialog);
        });
        std::optional<CElementChoice> choice = dialogs.RunElementDialog(
            ElementClass::Contact, {0, ""}, h.Check(ElementClass::Contact));
        QVERIFY(choice.has_value());
        QCOMPARE(choice->address.number, std::uint16_t(10));

        WhenModal<CFuncSet>([](CFuncSet* dialog) { ClickCancel(dialog); });
        QVERIFY(!dialogs.RunFunctionDialog(FUNC_TMR).has_value());
        WhenModal<CFuncSet>([](CFuncSet* dialog) { ClickOk(dialog); });
        QCOMPARE(dialogs.RunFunctionDialog(FUNC_CTR), std::optional<int>(FUNC_CTR));

        WhenModal<CNetCommentDlg>([](CNetCommentDlg* dialog) {
            QTest::keyClicks(dialog->Comment2Box(), "b");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!dialogs.RunCommentRowDialog("a", "").has_value());
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::ElementDialogsTest)
#include "element_dialogs_test.moc"
