// The ladder window driven with real keys and mouse clicks: what lands in the model, where the
// caret shows, and what the menus, toolbar and clipboard offer.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include "app/ladder/ladder_bar.h"
#include "app/ladder/ladder_command_ids.h"
#include "ladder_window_fixture.h"
#include "model/catalog.h"
#include "platform/string_table.h"
#include "support/temp_dir.h"

namespace varno::test {

class LadderWindowTest : public QObject {
    Q_OBJECT

    CLadderWindows w;

    static CElementDialogData Typed(const char* address) {
        CElementDialogData data;
        data.typeIndex = 0;
        data.address = address;
        return data;
    }

private slots:
    void init() {
        SetLanguage(Lang::English);
        QApplication::clipboard()->clear();
    }

    // F4 opens the contact dialog at the caret; the address typed there lands as a contact and
    // the caret block moves one cell right, where the pixels show it.
    void ContactFromTheKeyboard() {
        auto frame = w.Open();
        CLadderWidget* view = frame->Widget();
        w.dialogs.elements.push_back(Typed("X0010.3"));
        QTest::keyClick(view, Qt::Key_F4);
        const CLDCell* cell = frame->Doc().GetLadder().GetCell(0, 0);
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->Kind(), LDCMD_BASIC);
        QCOMPARE(cell->Code(), BASIC_RD);
        QCOMPARE(frame->View().CaretColumn(), 1);
        QCOMPARE(frame->StatusPane()->text(), QString("ln0,col1"));

        const std::optional<QRect> caret = view->CaretRect();
        QVERIFY(caret.has_value());
        const CRect cellRect = *frame->Doc().GetLadder().CellRect(0, 1);
        QCOMPARE(caret->topLeft(), view->ToViewport(QPoint(cellRect.left, cellRect.top)));
        QCOMPARE(caret->size(), QSize(100, 56));
        const QImage shot = view->viewport()->grab().toImage();
        const QColor inside = shot.pixelColor(caret->center());
        const QColor outside = shot.pixelColor(caret->center() + QPoint(0, 2 * 56));
        QVERIFY2(inside != outside, "the caret block is drawn");

        // Left moves back onto the contact: the information bar names it.
        QTest::keyClick(view, Qt::Key_Left);
        QVERIFY(frame->Bar()->Text().startsWith("Address:X0010.3"));
    }

    // F5 draws the rung line from the caret to a coil in column 7, and the caret goes to the
    // next row; F6 places a timer with its operand.
    void CoilAndFunctionFromTheKeyboard() {
        auto frame = w.Open();
        CLadderWidget* view = frame->Widget();
        CLadder& ladder = frame->Doc().GetLadder();
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        CElementDialogData coil = Typed("Y0000.0");
        w.dialogs.elements.push_back(coil);
        QTest::keyClick(view, Qt::Key_F5);
        for (int c = 2; c < 7; ++c) {
            QCOMPARE(ladder.GetCell(0, c)->Kind(), LDCMD_HLINE);
        }
        QCOMPARE(ladder.GetCell(0, 7)->Code(), BASIC_WRT);
        QCOMPARE(frame->View().CaretRow(), 1);
        QCOMPARE(frame->View().CaretColumn(), 0);

        w.dialogs.functions.push_back(FUNC_TMR);
        w.dialogs.operands.push_back(std::vector<std::string>{"0005"});
        QTest::keyClick(view, Qt::Key_F6);
        const CLDCell* block = ladder.GetCell(1, 0);
        QVERIFY(block != nullptr);
        QCOMPARE(block->Kind(), LDCMD_FUNC);
        QCOMPARE(block->Code(), FUNC_TMR);
        QCOMPARE(static_cast<int>(block->Operands().size()), 1);
        QCOMPARE(block->Operands()[0].Constant(), 5);
    }

    // Ctrl+Z takes the last command back whole, Ctrl+Y does it again; the Edit menu follows.
    void UndoAndRedoKeys() {
        auto frame = w.Open();
        CLadderWidget* view = frame->Widget();
        CLadder& ladder = frame->Doc().GetLadder();
        frame->Commands().UpdateStates();
        QVERIFY(!frame->Commands().Action(ID_UNDO)->isEnabled());
        w.dialogs.elements.push_back(Typed("X0000.1"));
        QTest::keyClick(view, Qt::Key_F4);
        QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(ladder.GetCell(0, 1)->Kind(), LDCMD_HLINE);
        QVERIFY(frame->Commands().Action(ID_UNDO)->isEnabled());
        QVERIFY(frame->isWindowModified());

        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ladder.GetCell(0, 1)->Kind(), LDCMD_NONE);
        QCOMPARE(ladder.GetCell(0, 0)->Kind(), LDCMD_BASIC);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ladder.GetCell(0, 0)->Kind(), LDCMD_NONE);
        QVERIFY(!frame->Commands().Action(ID_UNDO)->isEnabled());
        QVERIFY(frame->Commands().Action(ID_REDO)->isEnabled());
        QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ladder.GetCell(0, 0)->Kind(), LDCMD_BASIC);
        QCOMPARE(ladder.GetCell(0, 1)->Kind(), LDCMD_HLINE);
    }

    // A drag over a block selects its head once, with the vertical line feeding its second
    // input; a right click inside that selection keeps it.
    void DragSelectsABlockOnceAndRightClickKeepsIt() {
        auto frame = w.Open(5);
        CLadderWidget* view = frame->Widget();
        CLadder& ladder = frame->Doc().GetLadder();
        QVERIFY(ladder.PlaceBlock(1, 2, Block(FUNC_TMR, {Const(1)}), false) != nullptr);
        QVERIFY(ladder.SetVLine(2, 2));
        frame->Doc().UpdateAllViews(HINT_LAYOUT);

        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, CellCentre(view, 1, 2));
        QTest::mouseMove(view->viewport(), CellCentre(view, 2, 5));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, CellCentre(view, 2, 5));
        const CSelect& selection = frame->View().Selection();
        int heads = 0;
        for (const CElemInfo& e : selection) {
            heads += e.cell != nullptr && e.cell->Kind() == LDCMD_FUNC ? 1 : 0;
        }
        QCOMPARE(heads, 1);
        QVERIFY(selection.Contains(2, 2));
        QCOMPARE(frame->View().CaretRow(), 2);
        QCOMPARE(frame->View().CaretColumn(), 5);
        const std::size_t before = selection.GetCount();
        QVERIFY(before > 1);

        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, CellCentre(view, 1, 3));
        QVERIFY(frame->View().Selection().GetCount() >= before);
        QVERIFY(frame->View().Selection().Contains(1, 2));

        // A plain click selects only what is under the pointer.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellCentre(view, 0, 0));
        QCOMPARE(static_cast<int>(frame->View().Selection().GetCount()), 1);
    }

    // Page Down near the end stops on the last display row, which is scrolled into view.
    void PageDownAtTheEnd() {
        auto frame = w.Open(30);
        CLadderWidget* view = frame->Widget();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(view, Qt::Key_PageDown);
        }
        QCOMPARE(frame->View().CaretRow(), 29);
        const std::optional<QRect> caret = view->CaretRect();
        QVERIFY(caret.has_value());
        QVERIFY(view->viewport()->rect().contains(*caret));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(frame->View().CaretRow(), 29);
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(frame->View().CaretRow(), 0);
        QCOMPARE(view->verticalScrollBar()->value(), 0);
    }

    // A scroll bar moved by a quarter cell snaps back, by three quarters it moves one cell;
    // the caret moves with the contents and hides under the margin strip.
    void ScrollBarsSnapToCells() {
        auto frame = w.Open(40);
        CLadderWidget* view = frame->Widget();
        QScrollBar* bar = view->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(56 / 4);
        QCOMPARE(bar->value(), 0);
        bar->setValue(56 * 3 / 4);
        QCOMPARE(bar->value(), 56);
        QCOMPARE(view->ScrollPosition().y(), 56);
        QCOMPARE(view->CaretRect()->top(), -56);

        QScrollBar* across = view->horizontalScrollBar();
        across->setValue(100);
        QCOMPARE(view->ScrollPosition().x(), 100);
        QVERIFY(!view->CaretRect().has_value());
        // A caret key scrolls the caret back into view.
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY(view->CaretRect().has_value());
        QVERIFY(view->viewport()->rect().contains(*view->CaretRect()));
    }

    // The view's keys come first: F6 places a function even inside a window whose own F6
    // (next pane) would otherwise make the key ambiguous.
    void ViewKeysComeBeforeTheWindowsShortcuts() {
        QWidget host;
        auto* nextPane = new QAction(&host);
        nextPane->setShortcut(Qt::Key_F6);
        host.addAction(nextPane);
        int panes = 0;
        connect(nextPane, &QAction::triggered, [&] { ++panes; });
        auto frame = w.Open();
        frame->setParent(&host);
        host.resize(1000, 600);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        frame->show();
        frame->Widget()->setFocus();
        const std::size_t shown = w.dialogs.functionsShown.size();
        QTest::keyClick(frame->Widget(), Qt::Key_F6);
        QCOMPARE(w.dialogs.functionsShown.size(), shown + 1);
        QCOMPARE(panes, 0);
        frame->setParent(nullptr);
    }

    // Only the focused view shows its caret.
    void CaretOnlyInTheFocusedView() {
        auto first = w.Open();
        auto second = w.Open();
        second->activateWindow();
        second->Widget()->setFocus();
        QTRY_VERIFY(second->Widget()->hasFocus());
        QVERIFY(second->Widget()->CaretRect().has_value());
        QVERIFY(!first->Widget()->CaretRect().has_value());
    }

    // Copy in one window, paste in another: through the system clipboard under the ladder MIME
    // type, Paste enabled only while it is there.
    void CopyInOneWindowPasteInAnother() {
        auto source = w.Open();
        auto target = w.Open();
        target->Commands().UpdateStates();
        QVERIFY(!target->Commands().Action(ID_PASTE)->isEnabled());

        source->Widget()->setFocus();
        w.dialogs.elements.push_back(Typed("R0002.4"));
        QTest::keyClick(source->Widget(), Qt::Key_F4);
        QTest::keyClick(source->Widget(), Qt::Key_Left);
        QTest::keyClick(source->Widget(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(
            "application/x-qt-windows-mime;value=\"KESTO_LADITEM\""));

        target->activateWindow();
        target->Widget()->setFocus();
        QTest::keyClick(target->Widget(), Qt::Key_Down);
        QTest::keyClick(target->Widget(), Qt::Key_Right);
        target->Commands().UpdateStates();
        QVERIFY(target->Commands().Action(ID_PASTE)->isEnabled());
        QTest::keyClick(target->Widget(), Qt::Key_V, Qt::ControlModifier);
        const CLDCell* pasted = target->Doc().GetLadder().GetCell(1, 1);
        QVERIFY(pasted != nullptr);
        QCOMPARE(pasted->Kind(), LDCMD_BASIC);
        QCOMPARE(FormatAddress(pasted->Address(), true), std::string("R0002.4"));
    }

    // The toolbar carries the function chooser: 100 pixels, the instructions of "All" in
    // their order, the first chosen; choosing one places it at the caret.
    void FunctionChooser() {
        auto frame = w.Open();
        QComboBox* box = frame->FunctionBox();
        QCOMPARE(box->width(), 100);
        const CFuncCategory& all = Category(0);
        QCOMPARE(box->count(), static_cast<int>(all.members.size()));
        QCOMPARE(box->count(), 44);
        for (int i = 0; i < box->count(); ++i) {
            QCOMPARE(box->itemData(i).toInt(), static_cast<int>(all.members[i]));
            QCOMPARE(box->itemText(i).toStdString(), std::string(*FuncName(all.members[i])));
        }
        QCOMPARE(box->currentIndex(), 0);
        const int tmr = box->findData(FUNC_TMR);
        box->setCurrentIndex(tmr);
        w.dialogs.operands.push_back(std::vector<std::string>{"0001"});
        QVERIFY(frame->Commands().Run(ID_FUNCTION_BOX));
        QCOMPARE(frame->Doc().GetLadder().GetCell(0, 0)->Code(), FUNC_TMR);
    }

    // The pop-up follows the caret's element and offers the items of its kind.
    void ContextMenusByElement() {
        auto frame = w.Open();
        auto names = [&](LadderPopup which) {
            QStringList ids;
            for (QAction* a : frame->Popup(which)->actions()) {
                if (!a->isSeparator()) {
                    ids << a->text();
                }
            }
            return ids;
        };
        QCOMPARE(names(LadderPopup::Base).first(), QString("Elem Comment"));
        QCOMPARE(names(LadderPopup::Base).last(), QString("P&roperty"));
        QCOMPARE(names(LadderPopup::Func).last(), QString("P&roperty"));
        QVERIFY(!names(LadderPopup::Null).contains("P&roperty"));
        QCOMPARE(names(LadderPopup::Comment).size(), 7);
        QCOMPARE(frame->Popup(LadderPopup::Base)->objectName(), QString("LADDER BASE POP"));

        LadderPopup shown = LadderPopup::Comment;
        frame->Widget()->showPopup = [&](LadderPopup which, const QPoint&) { shown = which; };
        QContextMenuEvent empty(QContextMenuEvent::Keyboard, QPoint(30, 30));
        QApplication::sendEvent(frame->Widget(), &empty);
        QCOMPARE(shown, LadderPopup::Null);
        w.dialogs.elements.push_back(Typed("X0000.0"));
        QTest::keyClick(frame->Widget(), Qt::Key_F4);
        QTest::keyClick(frame->Widget(), Qt::Key_Left);
        QApplication::sendEvent(frame->Widget(), &empty);
        QCOMPARE(shown, LadderPopup::Base);
    }

    // Double click inside the ladder runs Property: on a contact, the contact dialog.
    void DoubleClickRunsProperty() {
        auto frame = w.Open();
        w.dialogs.elements.push_back(Typed("X0000.0"));
        QTest::keyClick(frame->Widget(), Qt::Key_F4);
        const std::size_t shown = w.dialogs.elementsShown.size();
        QTest::mouseClick(frame->Widget()->viewport(), Qt::LeftButton, {},
                          CellCentre(frame->Widget(), 0, 0));
        QTest::mouseDClick(frame->Widget()->viewport(), Qt::LeftButton, {},
                           CellCentre(frame->Widget(), 0, 0));
        QCOMPARE(w.dialogs.elementsShown.size(), shown + 1);
        QCOMPARE(w.dialogs.elementsShown.back().address, std::string("X0000.0"));
    }

    // A ladder file: Save asks for a path the first time, the marker goes, and the written
    // file opens again with the contact; Compile on a never-saved window only asks to save.
    void SaveAndModifiedMarker() {
        CTempDir dir;
        auto frame = w.Open();
        QVERIFY(!frame->isWindowModified());
        w.dialogs.elements.push_back(Typed("X0001.0"));
        QTest::keyClick(frame->Widget(), Qt::Key_F4);
        QVERIFY(frame->isWindowModified());
        QVERIFY(frame->windowTitle().startsWith("Untitled"));

        frame->GenerateRom();
        QVERIFY(w.messages.boxes.empty());  // no project: nothing to build

        const std::string path = dir.File("one.vld");
        frame->askSavePath = [&] { return QString::fromStdString(path); };
        QTest::keyClick(frame->Widget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!frame->isWindowModified());
        QCOMPARE(frame->windowTitle(), QString("one.vld[*]"));
        std::unique_ptr<CLadderFrame> again(CLadderFrame::Open(w.Context(), path));
        QVERIFY(again != nullptr);
        QCOMPARE(again->Doc().GetLadder().GetCell(0, 0)->Kind(), LDCMD_BASIC);
    }

    void ChineseEditionMenus() {
        SetLanguage(Lang::Chinese);
        auto frame = w.Open();
        QCOMPARE(frame->Menus().at(2)->title(), QString::fromUtf8("梯形图(&L)"));
        QCOMPARE(frame->Commands().Action(ID_CONTACT)->text(), QString::fromUtf8("触点(&C)"));
        QCOMPARE(frame->StatusPane()->text(), QString::fromUtf8("行0,列0"));
        SetLanguage(Lang::English);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderWindowTest)
#include "ladder_window_test.moc"
