// The comment window on the demo project's comments, driven with real clicks, keys and
// context menus: group choice, Add, Modify, Delete, Export and Load.
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QTest>

#include "app/dialogs/edit_comment_dlg.h"
#include "app/qt_text.h"
#include "app/shell/command_table.h"
#include "app/windows/comment_frame.h"
#include "app/windows/comment_group_view.h"
#include "app/windows/comment_view.h"
#include "comments/compiled_comments.h"
#include "platform/strings/app_windows.h"
#include "shell/shell_test_support.h"
#include "window_test_support.h"

namespace varno::test {

namespace {

LDADDR Bit(char letter, int number, int bit) {
    return LDADDR{static_cast<std::uint8_t>(letter), static_cast<std::int8_t>(bit),
                  static_cast<std::uint16_t>(number)};
}

struct CCommentWindow {
    CCommentWindow()
        : frame({demo.app, demo.messages, demo.output},
                QString::fromStdString(demo.dir.File("Demo.cmt"))) {
        frame.resize(900, 500);
        frame.show();
        frame.activateWindow();
        (void)QTest::qWaitForWindowActive(&frame);
    }

    QTableView* List() const { return frame.View()->List(); }
    int Rows() const { return List()->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return List()->model()->index(row, column).data().toString();
    }
    QPoint RowPoint(int row) const {
        return List()->visualRect(List()->model()->index(row, 1)).center();
    }
    void ChooseGroup(const QString& name) {
        CCommentGroupView* tree = frame.GroupView();
        QTreeWidgetItem* item = tree->ItemOf(name);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    }
    void ClickRow(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    // Opens the list's context menu over the row (or below the rows for -1).
    QMenu* MenuAt(int row) {
        const QPoint at = row >= 0 ? RowPoint(row) : QPoint(40, List()->viewport()->height() - 4);
        return RightClick(List()->viewport(), at);
    }
    // Runs the menu command by its action's name, with act answering the dialog it opens.
    void RunFromMenu(int row, const QString& action, std::function<void(QWidget*)> act = {}) {
        QMenu* menu = MenuAt(row);
        QVERIFY(menu != nullptr);
        QAction* found = MenuAction(menu, action);
        QVERIFY2(found != nullptr, qPrintable(action));
        QVERIFY(found->isEnabled());
        if (act) {
            OnNextModal(std::move(act));
        }
        ClickMenuAction(menu, found);
    }
    std::string Symbol(const LDADDR& addr) const { return demo.app.Comments().SymbolOf(addr); }

    CDemoProject demo;
    CCommentFrame frame;
};

// Replaces the box's text as typed; Chinese text arrives as an input method commits it.
void SetBox(QLineEdit* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    bool ascii = true;
    for (QChar c : text) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii) {
        QTest::keyClicks(box, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

}  // namespace

class CommentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void LayoutAndTheGroupsInListOrder() {
        CCommentWindow w;
        QCOMPARE(w.frame.windowTitle(), QString("Demo.cmt[*]"));
        QVERIFY(!w.frame.isWindowModified());
        QCOMPARE(w.frame.Splitter()->sizes().first(), 100);
        CCommentGroupView* tree = w.frame.GroupView();
        QStringList names;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            names << tree->topLevelItem(i)->text(0);
        }
        QCOMPARE(names.join(""), QString("ACDFGKPRTXY"));
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        const int widths[] = {60, 80, 80, 200};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(w.List()->columnWidth(c), widths[c]);
        }
        QVERIFY(w.List()->horizontalHeader()->stretchLastSection());
        QVERIFY(w.List()->showGrid());
        QCOMPARE(w.List()->selectionBehavior(), QAbstractItemView::SelectRows);
        const QStringList headers = {"Index", "Address", "Symbol", "Comment 1", "Comment 2"};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(w.List()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        }
        // Comment 2 takes what the others leave.
        const int right = w.List()->columnViewportPosition(4) + w.List()->columnWidth(4);
        QCOMPARE(right, w.List()->viewport()->width());

        w.ChooseGroup("X");
        QCOMPARE(w.Rows(), 11);
        QCOMPARE(w.Cell(0, 0), QString("0"));
        QCOMPARE(w.Cell(0, 1), QString("X0000.0"));
        QCOMPARE(w.Cell(0, 2), QString("START"));
        QCOMPARE(w.Cell(0, 3), QString("Spindle start button"));
        QCOMPARE(w.Cell(0, 4), QString::fromUtf8("主轴启动按钮"));
        w.ChooseGroup("Y");
        QCOMPARE(w.Rows(), 7);
        QCOMPARE(w.Cell(6, 1), QString("Y0001.3"));
    }

    void NoGroupSelectedLeavesTheListEmptyWithModifyAndDeleteDisabled() {
        SetLanguage(Lang::Chinese);
        CCommentWindow w;
        QCOMPARE(w.Rows(), 0);
        QMenu* menu = w.MenuAt(-1);
        QVERIFY(menu != nullptr);
        QVERIFY(!MenuAction(menu, "CommentModify")->isEnabled());
        QVERIFY(!MenuAction(menu, "CommentDelete")->isEnabled());
        QVERIFY(MenuAction(menu, "CommentAdd")->isEnabled());
        // Nothing to load into or export from.
        QVERIFY(!MenuAction(menu, "CommentLoad")->isEnabled());
        QVERIFY(!MenuAction(menu, "CommentExport")->isEnabled());
        CloseMenu(menu);
        const std::size_t before = w.demo.app.Comments().TotalCount();
        QTest::keyClick(w.List(), Qt::Key_Delete);
        QCOMPARE(w.demo.app.Comments().TotalCount(), before);
    }

    void TheMenusOfBothEditions() {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            SetLanguage(lang);
            CCommentWindow w;
            w.ChooseGroup("X");
            QMenu* menu = w.MenuAt(2);
            QVERIFY(menu != nullptr);
            QStringList names;
            QStringList texts;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    names << action->objectName();
                    texts << action->text();
                }
            }
            CloseMenu(menu);
            if (lang == Lang::English) {
                QCOMPARE(names, QStringList({"CommentModify", "CommentLoad", "CommentExport"}));
                QCOMPARE(texts, QStringList({"&Modify", "&Load...", "&Export..."}));
            } else {
                QCOMPARE(names, QStringList({"CommentModify", "CommentAdd", "CommentDelete",
                                             "CommentLoad", "CommentExport"}));
                QCOMPARE(texts[1], Tr(IDS_CMD_COMMENT_ADD));
                QCOMPARE(texts[1], QString::fromUtf8("添加(&A)"));
            }
            // The right click chose the row under it.
            QCOMPARE(w.frame.View()->SelectedRow(), 2);
        }
    }

    void AddingY0000WhileXIsShownStoresTheItemInY() {
        SetLanguage(Lang::Chinese);
        CCommentWindow w;
        w.ChooseGroup("X");
        const int rows = w.Rows();
        const QString firstSymbol = w.Cell(0, 2);
        bool prefilled = false;
        w.RunFromMenu(0, "CommentAdd", [&](QWidget* modal) {
            auto* dialog = qobject_cast<CEditCommentDlg*>(modal);
            QVERIFY(dialog != nullptr);
            prefilled =
                dialog->AddressBox()->text() == "X0000.0" && dialog->SymbolBox()->text() == "START";
            QVERIFY(!dialog->AddressBox()->isReadOnly());
            QCOMPARE(QApplication::focusWidget(), dialog->AddressBox());
            QTest::keyClicks(dialog->AddressBox(), "Y0000.0");  // replaces the selected text
            SetBox(dialog->SymbolBox(), "LAMP");
            SetBox(dialog->Comment1Box(), QString::fromUtf8("指示灯"));
            PressDialogButton(dialog, QDialogButtonBox::Ok);
        });
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(prefilled);
        QCOMPARE(w.Rows(), rows);
        QCOMPARE(w.Cell(0, 2), firstSymbol);
        QCOMPARE(w.Symbol(Bit('Y', 0, 0)), std::string("LAMP"));
        QCOMPARE(w.demo.app.Comments().CommentOf(Bit('Y', 0, 0), 0),
                 ToGbk(QString::fromUtf8("指示灯")));
        QCOMPARE(w.demo.app.Comments().FindGroup("Y")->GetSize(), std::size_t{7});  // replaced
        QVERIFY(w.demo.app.IsCommentModified());
        QVERIFY(w.frame.isWindowModified());
        w.ChooseGroup("Y");
        QCOMPARE(w.Cell(0, 2), QString("LAMP"));
    }

    void AddRefusesAddressesThatCannotKeepAComment() {
        SetLanguage(Lang::Chinese);
        CCommentWindow w;
        w.ChooseGroup("R");
        const std::size_t before = w.demo.app.Comments().TotalCount();
        QStringList said;
        bool stayedOpen = false;
        w.RunFromMenu(-1, "CommentAdd", [&](QWidget* modal) {
            auto* dialog = qobject_cast<CEditCommentDlg*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->AddressBox()->text(), QString());  // no row chosen: empty
            for (const char* text : {"L0000.0", "100", "12A"}) {
                SetBox(dialog->AddressBox(), text);
                SetBox(dialog->SymbolBox(), "LOST");
                PressDialogButton(dialog, QDialogButtonBox::Ok);
                said << FromGbk(w.demo.messages.boxes.back().text);
            }
            stayedOpen = dialog->isVisible();
            QCOMPARE(QApplication::focusWidget(), dialog->AddressBox());
            PressDialogButton(dialog, QDialogButtonBox::Cancel);
        });
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(stayedOpen);
        const QString noGroup = Tr(IDS_COMMENT_NO_GROUP);
        QCOMPARE(said, QStringList({noGroup, noGroup, Tr(IDS_ADDRESS_ERROR)}));
        QCOMPARE(w.demo.app.Comments().TotalCount(), before);
        QVERIFY(!w.demo.app.IsCommentModified());
    }

    void ModifyKeepsTheAddressReadOnly() {
        CCommentWindow w;
        w.ChooseGroup("X");
        bool readOnly = false;
        bool symbolFocused = false;
        QString address;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<CEditCommentDlg*>(modal);
            QVERIFY(dialog != nullptr);
            readOnly = dialog->AddressBox()->isReadOnly();
            symbolFocused = QApplication::focusWidget() == dialog->SymbolBox() &&
                            dialog->SymbolBox()->selectedText() == "STOP";
            QTest::keyClick(dialog->AddressBox(), Qt::Key_End);
            QTest::keyClicks(dialog->AddressBox(), "9");
            QTest::keyClick(dialog->AddressBox(), Qt::Key_Backspace);
            address = dialog->AddressBox()->text();
            QTest::keyClicks(dialog->SymbolBox(), "HALT");  // replaces the selected symbol
            PressDialogButton(dialog, QDialogButtonBox::Ok);
        });
        // A double click on the row modifies it.
        w.ClickRow(1);
        QTest::mouseDClick(w.List()->viewport(), Qt::LeftButton, {}, w.RowPoint(1));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(readOnly);
        QVERIFY(symbolFocused);
        QCOMPARE(address, QString("X0000.1"));
        QCOMPARE(w.Cell(1, 1), QString("X0000.1"));
        QCOMPARE(w.Cell(1, 2), QString("HALT"));
        QCOMPARE(w.Cell(1, 3), QString("Spindle stop button"));
        QCOMPARE(w.Symbol(Bit('X', 0, 1)), std::string("HALT"));
        QCOMPARE(w.frame.View()->SelectedRow(), 1);
        QVERIFY(w.demo.app.IsCommentModified());

        // The English menu's Modify does the same; Cancel changes nothing.
        w.RunFromMenu(2, "CommentModify", [](QWidget* modal) {
            QVERIFY(qobject_cast<CEditCommentDlg*>(modal) != nullptr);
            QTest::keyClicks(qobject_cast<CEditCommentDlg*>(modal)->SymbolBox(), "NEVER");
            PressDialogButton(modal, QDialogButtonBox::Cancel);
        });
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(w.Cell(2, 2), QString("OVERLOAD"));
    }

    void TheDeleteKeyDeletesTheSelectedItem() {
        CCommentWindow w;
        w.ChooseGroup("X");
        const int rows = w.Rows();
        w.ClickRow(1);
        QTest::keyClick(w.List(), Qt::Key_Delete);
        QCOMPARE(w.Rows(), rows - 1);
        QVERIFY(w.demo.app.Comments().FindItem(Bit('X', 0, 1)) == nullptr);
        QCOMPARE(w.Cell(1, 1), QString("X0000.2"));
        QCOMPARE(w.frame.View()->SelectedRow(), 1);  // the next item is chosen
        QVERIFY(w.demo.app.IsCommentModified());
        QVERIFY(w.frame.isWindowModified());
    }

    void ExportThenLoadKeepsEveryCommentOnItsAddress() {
        CCommentWindow w;
        CCommentList& comments = w.demo.app.Comments();
        // A gap: X0000.2 has no comment 1, so the export leaves it out.
        comments.SetComment(Bit('X', 0, 2), "OVERLOAD", "", "");
        w.ChooseGroup("X");
        const CCommentGrp& x = *comments.FindGroup("X");
        std::vector<std::string> before;
        for (const CCommentItem& item : x.Items()) {
            before.push_back(item.comment1);
        }
        const std::string file = w.demo.dir.File("x.txt");
        AnswerFileDialog(QString::fromStdString(file));
        w.RunFromMenu(0, "CommentExport");
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        const std::string text = ReadFileBytes(file);
        QVERIFY(text.find("X0000.1\tSpindle stop button\r\n") != std::string::npos);
        QVERIFY(text.find("X0000.2") == std::string::npos);
        QCOMPARE(w.demo.messages.boxes.back().caption, std::string("OK"));
        QCOMPARE(w.demo.messages.boxes.back().text, std::string("The file import finished!"));
        QCOMPARE(w.frame.View()->SelectedRow(), w.Rows() - 1);

        for (std::size_t i = 0; i < x.GetSize(); ++i) {
            comments.SetComment(x.GetAt(i).address, x.GetAt(i).symbol, "", "");
        }
        w.demo.app.SetCommentModified(false);
        AnswerFileDialog(QString::fromStdString(file));
        w.RunFromMenu(0, "CommentLoad");
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(w.demo.messages.boxes.back().text, std::string("The file import finished!"));
        std::vector<std::string> after;
        for (const CCommentItem& item : x.Items()) {
            after.push_back(item.comment1);
        }
        QCOMPARE(after, before);
        QCOMPARE(w.Cell(1, 3), QString("Spindle stop button"));
        QCOMPARE(w.Cell(3, 3), QString("Feed forward button"));
        QVERIFY(w.demo.app.IsCommentModified());
    }

    void ChangesMadeElsewhereShowAtOnce() {
        CCommentWindow w;
        w.ChooseGroup("X");
        const int rows = w.Rows();
        w.demo.app.Comments().SetComment(Bit('X', 2, 0), "NEW", "from the ladder", "");
        QCOMPARE(w.Rows(), rows + 1);
        QCOMPARE(w.Cell(rows, 2), QString("NEW"));
        QVERIFY(w.frame.isWindowModified());
        w.demo.app.Comments().Reset();
        QCOMPARE(w.Rows(), 0);
    }

    void GenerateCommentFileWritesTheCompiledComments() {
        CCommentWindow w;
        w.demo.output.AppendLine("old line");
        QVERIFY(w.frame.Commands().Run(ID_GENERATE_COMMENT_FILE));
        QVERIFY(w.demo.output.lines.empty());
        QCOMPARE(w.demo.output.clears, 1);
        QCOMPARE(w.demo.messages.beeps.back(), BeepKind::Exclamation);
        CCommentList read;
        QVERIFY(ReadCompiledCommentFile(w.demo.dir.File("plc.pro"), read));
        QCOMPARE(read.SymbolOf(Bit('X', 0, 0)), std::string("START"));
        QCOMPARE(read.TotalCount(), w.demo.app.Comments().TotalCount());
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::CommentWindowTest)
#include "comment_window_test.moc"
