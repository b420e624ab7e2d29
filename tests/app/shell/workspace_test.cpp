#include "app/shell/workspace.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

#include "app/dialogs/add_sub_program_dlg.h"
#include "app/qt_text.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "model/address.h"
#include "platform/string_table.h"
#include "project/subprograms.h"
#include "shell_test_support.h"

namespace varno {

namespace {

QStringList Children(QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) {
        texts.append(item->child(i)->text(0));
    }
    return texts;
}

QList<int> PopupCommands(CWorkspace& workspace, QTreeWidgetItem* item) {
    QList<int> ids;
    QMenu* menu = workspace.BuildPopup(item);
    if (menu == nullptr) {
        return ids;
    }
    for (QAction* action : menu->actions()) {
        for (int id : {ID_VERSION_OPEN, ID_COMMENT_OPEN, ID_COMMENT_OPTIONS, ID_LADDER_OPEN,
                       ID_LADDER_OPTIONS, ID_INSTRUCT_OPEN, ID_PARAM_OPEN, ID_PARAM_OPTIONS,
                       ID_ADD_SUBPROGRAM, ID_RELOAD_PROGRAMS, ID_DELETE_SUBPROGRAM,
                       ID_SUBPROGRAM_PROPERTY}) {
            if (workspace.Commands().Action(id) == action) {
                ids.append(id);
            }
        }
    }
    delete menu;
    return ids;
}

void DoubleClick(CWorkspaceTree* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QApplication::processEvents();
    const QRect rect = tree->visualItemRect(item);
    const QPoint at(std::min(rect.left() + 12, tree->viewport()->width() - 1), rect.center().y());
    QVERIFY(tree->viewport()->rect().contains(at));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(tree->currentItem(), item);
}

// Fills the subprogram dialog by typing and presses OK.
void AnswerSubprogramDialog(const QString& number, const QString& symbol, const QString& comment1,
                            const QString& comment2) {
    test::OnNextModal([=](QWidget* modal) {
        QVERIFY(qobject_cast<CAddSubProgramDlg*>(modal) != nullptr);
        const std::pair<const char*, QString> fields[] = {{"edit1034", number},
                                                          {"edit1035", symbol},
                                                          {"edit1058", comment1},
                                                          {"edit1062", comment2}};
        for (const auto& [name, text] : fields) {
            auto* edit = modal->findChild<QLineEdit*>(name);
            QVERIFY(edit != nullptr);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
        }
        test::PressDialogButton(modal, QDialogButtonBox::Ok);
    });
}

}  // namespace

class WorkspaceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    CMainFrame* frame_ = nullptr;
    test::CFakeDocuments ladders_;

    CWorkspace& Ws() { return *frame_->Workspace(); }
    CWorkspaceTree* Tree() { return frame_->Workspace()->Tree(); }
    QString Kpj() const { return dir_.filePath("Tree.KPJ"); }

private slots:
    void initTestCase() {
        test::PrivateSettings();
        SetLanguage(Lang::English);
    }

    void init() {
        QFile::remove(Kpj());
        QFile::remove(dir_.filePath("Tree.vld"));
        frame_ = new CMainFrame;
        ladders_ = {};
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
        QVERIFY(frame_->NewProject(Kpj()));
    }

    void cleanup() {
        frame_->App().SetSettingsModified(false);
        frame_->App().SetCommentModified(false);
        frame_->App().SetLaddersModified(false);
        frame_->App().SetVersionModified(false);
        delete frame_;
    }

    void FixedItemsInOrder() {
        QCOMPARE(Tree()->topLevelItemCount(), 2);
        QCOMPARE(Tree()->topLevelItem(0)->text(0), QString("Workspace"));
        QCOMPARE(Ws().ProjectPath(), QFileInfo(Kpj()).absoluteFilePath());
        QCOMPARE(Children(Ws().ProjectItem()),
                 (QStringList{"Version", "Element Comment", "Parameter", "Ladder", "Instruction"}));
        QCOMPARE(Children(Ws().LadderItem()), (QStringList{"LEVEL1", "LEVEL2", "Sub program"}));
        QVERIFY(Ws().ProjectItem()->isExpanded());
        QVERIFY(Ws().LadderItem()->isExpanded());
        QVERIFY(Tree()->isVisible());
        const CTreeNodeData level2 = CWorkspaceTree::Data(Ws().LadderItem()->child(1));
        QCOMPARE(level2.kind, -1);
        QCOMPARE(level2.command, ID_LADDER_OPEN);
        QCOMPARE(level2.name, std::string("LEVEL2"));
        QVERIFY(!CWorkspaceTree::HasData(Ws().ProjectItem()));
    }

    // Subprogram nodes: P addresses only, in list order, labels with comment 1 or, with
    // SHOW_COMMENT2, comment 2 right after the name.
    void SubprogramNodesAndLabels() {
        CVARNOApp& app = frame_->App();
        app.Programs().NewSubprogram("P0010");
        app.Programs().NewSubprogram("P0002");
        auto other = std::make_unique<CLadder>();
        other->SetName("X0003");
        app.Programs().AddSorted(std::move(other));
        app.Comments().SetComment(LDADDR{'P', -1, 2}, "", "one", "two");
        Ws().RebuildSubprogramNodes();
        QCOMPARE(Children(Ws().SubprogramFolder()), (QStringList{"P0002(one)", "P0010"}));

        CDisplaySettings display = app.Display();
        display.showComment2 = 1;
        app.SetDisplay(display);
        Ws().RefreshSubprogramLabels();
        QCOMPARE(Children(Ws().SubprogramFolder()), (QStringList{"P0002(two)", "P0010"}));
        app.Comments().SetComment(LDADDR{'P', -1, 2}, "", "one", "");
        Ws().RefreshSubprogramLabels();
        QCOMPARE(Ws().SubprogramFolder()->child(0)->text(0), QString("P0002"));
    }

    // The popups per kind; the folder's double click runs nothing.
    void PopupsAndDoubleClicks() {
        QCOMPARE(PopupCommands(Ws(), Ws().ProjectItem()->child(0)), QList<int>{ID_VERSION_OPEN});
        QCOMPARE(PopupCommands(Ws(), Ws().ProjectItem()->child(2)),
                 (QList<int>{ID_PARAM_OPEN, ID_PARAM_OPTIONS}));
        QCOMPARE(PopupCommands(Ws(), Ws().LadderItem()),
                 (QList<int>{ID_LADDER_OPEN, ID_RELOAD_PROGRAMS, ID_LADDER_OPTIONS}));
        QCOMPARE(PopupCommands(Ws(), Ws().SubprogramFolder()),
                 (QList<int>{ID_ADD_SUBPROGRAM, ID_RELOAD_PROGRAMS}));
        QVERIFY(PopupCommands(Ws(), Ws().LadderItem()->child(0)).isEmpty());  // LEVEL1
        QVERIFY(Ws().BuildPopup(Ws().ProjectItem()) == nullptr);
        // Open follows the registration of the window type; the comment window is registered.
        QMenu* menu = Ws().BuildPopup(Ws().ProjectItem()->child(1));
        QCOMPARE(menu->actions().first()->isEnabled(),
                 frame_->DocumentTypes().IsRegistered(DocKind::Comment));
        QVERIFY(menu->actions().first()->isEnabled());
        delete menu;

        ladders_.Register(*frame_, DocKind::Ladder, ".vld");
        DoubleClick(Tree(), Ws().SubprogramFolder());
        QVERIFY(ladders_.opened.isEmpty());
        QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
        DoubleClick(Tree(), Ws().LadderItem()->child(0));
        QCOMPARE(ladders_.opened, QStringList{"LEVEL1"});
        // Opening it again activates the window that is open.
        DoubleClick(Tree(), Ws().LadderItem()->child(0));
        QCOMPARE(ladders_.opened, QStringList{"LEVEL1"});
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), 1);
    }

    // Add through the dialog: number 7 makes P0007 with its comment; an empty number P0000.
    void AddSubprogramThroughTheDialog() {
        ladders_.Register(*frame_, DocKind::Ladder, ".vld");
        Tree()->setCurrentItem(Ws().SubprogramFolder());
        AnswerSubprogramDialog("7", "motor", "Start", "Run");
        QVERIFY(Ws().Commands().Run(ID_ADD_SUBPROGRAM));
        QVERIFY(frame_->App().Programs().FindByName("P0007") != nullptr);
        QCOMPARE(frame_->App().Comments().SymbolOf(LDADDR{'P', -1, 7}), std::string("MOTOR"));
        QCOMPARE(Children(Ws().SubprogramFolder()), QStringList{"P0007(Start)"});
        QCOMPARE(ladders_.opened, QStringList{"P0007"});

        AnswerSubprogramDialog("", "", "", "");
        QVERIFY(Ws().Commands().Run(ID_ADD_SUBPROGRAM));
        QCOMPARE(Children(Ws().SubprogramFolder()), (QStringList{"P0000", "P0007(Start)"}));

        // Property: new comments, the address field ignored.
        Tree()->setCurrentItem(Ws().FindProgramNode("P0007"));
        AnswerSubprogramDialog("P0099", "PUMP", "Fill", "");
        QVERIFY(Ws().Commands().Run(ID_SUBPROGRAM_PROPERTY));
        QCOMPARE(Children(Ws().SubprogramFolder()), (QStringList{"P0000", "P0007(Fill)"}));
        QVERIFY(frame_->App().Programs().FindByName("P0099") == nullptr);

        // Delete closes its window, removes program, comment and node.
        QCOMPARE(frame_->DocumentTypes().Windows(DocKind::Ladder).size(), 2);
        Tree()->setCurrentItem(Ws().FindProgramNode("P0007"));
        QVERIFY(Ws().Commands().Run(ID_DELETE_SUBPROGRAM));
        QVERIFY(frame_->App().Programs().FindByName("P0007") == nullptr);
        QVERIFY(frame_->App().Comments().FindItem(LDADDR{'P', -1, 7}) == nullptr);
        QCOMPARE(Children(Ws().SubprogramFolder()), QStringList{"P0000"});
        QCOMPARE(frame_->DocumentTypes().Windows(DocKind::Ladder).size(), 1);
    }

    // The dialog takes digits only, at most four, and upper-cases the symbol.
    void SubprogramDialogLimits() {
        CAddSubProgramDlg dialog(nullptr);
        dialog.show();
        auto* number = dialog.findChild<QLineEdit*>("edit1034");
        auto* symbol = dialog.findChild<QLineEdit*>("edit1035");
        auto* comment = dialog.findChild<QLineEdit*>("edit1058");
        QTest::keyClicks(number, "12a345");
        QCOMPARE(number->text(), QString("1234"));
        QTest::keyClicks(symbol, "ab_c");
        QCOMPARE(symbol->text(), QString("AB_C"));
        QTest::keyClicks(comment, QString(29, 'x'));
        comment->insert(QString::fromUtf8("中"));  // two bytes would make 31
        QCOMPARE(comment->text(), QString(29, 'x'));
        comment->insert("y");
        QCOMPARE(comment->text().size(), 30);
    }

    // Reload with an unchanged list reads the ladder file without writing it.
    void ReloadDoesNotWriteAnUnchangedList() {
        QVERIFY(frame_->App().SaveProject());
        const QString ladderFile = dir_.filePath("Tree.vld");
        QFile file(ladderFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const QDateTime written = QFileInfo(ladderFile).lastModified();
        QTest::qWait(20);
        frame_->App().Programs().NewSubprogram("P0005");  // in memory only, flag not set
        Ws().RebuildSubprogramNodes();
        Tree()->setCurrentItem(Ws().LadderItem());
        QVERIFY(Ws().Commands().Run(ID_RELOAD_PROGRAMS));
        QCOMPARE(QFileInfo(ladderFile).lastModified(), written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QVERIFY(frame_->App().Programs().FindByName("P0005") == nullptr);
        QVERIFY(Children(Ws().SubprogramFolder()).isEmpty());
    }

    // Ladder Open on the ladder node closes a LEVEL1 program window first, then opens the file.
    void LadderOpenOnTheLadderNodeClosesProgramWindows() {
        ladders_.Register(*frame_, DocKind::Ladder, ".vld");
        QVERIFY(frame_->App().SaveProject());
        QVERIFY(frame_->OpenProgram("LEVEL1") != nullptr);
        QCOMPARE(CDocumentTypes::KeyOf(frame_->MdiArea()->activeSubWindow()), QString("LEVEL1"));
        DoubleClick(Tree(), Ws().LadderItem());
        QTRY_COMPARE(frame_->DocumentTypes().Windows(DocKind::Ladder).size(), 1);
        const QString fileKey =
            CDocumentTypes::KeyOf(frame_->DocumentTypes().Windows(DocKind::Ladder).first());
        QCOMPARE(fileKey, QFileInfo(dir_.filePath("Tree.vld")).canonicalFilePath());

        // A changed file window stops the opening of a program, with the request to save it.
        frame_->DocumentTypes().Windows(DocKind::Ladder).first()->widget()->setWindowModified(true);
        QString text;
        test::AnswerMessage(QMessageBox::Ok, &text);
        DoubleClick(Tree(), Ws().LadderItem()->child(1));
        QTRY_VERIFY(!text.isEmpty());
        QCOMPARE(text, Tr(IDS_SAVE_LADDER_FILE_FIRST));
        QCOMPARE(ladders_.opened.size(), 2);
        frame_->DocumentTypes()
            .Windows(DocKind::Ladder)
            .first()
            ->widget()
            ->setWindowModified(false);
    }

    void InstructionOpenBeforeCompiling() {
        test::CFakeDocuments lists;
        lists.Register(*frame_, DocKind::Instruction, ".txt");
        QString text;
        test::AnswerMessage(QMessageBox::Ok, &text);
        DoubleClick(Tree(), Ws().ProjectItem()->child(4));
        QTRY_COMPARE(text, QString("Can't open the file, please compile first!"));
        QVERIFY(lists.opened.isEmpty());
        QFile written(dir_.filePath("Tree.txt"));
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.close();
        DoubleClick(Tree(), Ws().ProjectItem()->child(4));
        QCOMPARE(lists.opened.size(), 1);
    }

    // The version dialog: eight fields of at most 30 bytes; OK stores them and marks the version
    // modified, Cancel changes nothing.
    void VersionDialog() {
        frame_->App().SetVersionModified(false);
        test::OnNextModal([](QWidget* modal) {
            auto* company = modal->findChild<QLineEdit*>("edit1051");
            auto* remark2 = modal->findChild<QLineEdit*>("edit1042");
            QVERIFY(company != nullptr && remark2 != nullptr);
            QTest::keyClicks(company, "Telmara Works");
            QTest::keyClicks(remark2, QString(35, 'r'));
            test::PressDialogButton(modal, QDialogButtonBox::Cancel);
        });
        DoubleClick(Tree(), Ws().ProjectItem()->child(0));
        QVERIFY(!frame_->App().IsVersionModified());
        QCOMPARE(frame_->App().Versions().GetVersionLine(0, 0), std::string());

        test::OnNextModal([](QWidget* modal) {
            QTest::keyClicks(modal->findChild<QLineEdit*>("edit1051"), "Telmara Works");
            QTest::keyClicks(modal->findChild<QLineEdit*>("edit1042"), QString(35, 'r'));
            test::PressDialogButton(modal, QDialogButtonBox::Ok);
        });
        DoubleClick(Tree(), Ws().ProjectItem()->child(0));
        QVERIFY(frame_->App().IsVersionModified());
        QCOMPARE(frame_->App().Versions().GetVersionLine(0, 0), std::string("Telmara Works"));
        QCOMPARE(frame_->App().Versions().GetVersionLine(3, 1), std::string(30, 'r'));
    }

    void ChineseTree() {
        SetLanguage(Lang::Chinese);
        CMainFrame frame;
        QVERIFY(frame.NewProject(dir_.filePath("Zh.KPJ")));
        QCOMPARE(Children(frame.Workspace()->ProjectItem()),
                 (QStringList{QString::fromUtf8("版本"), QString::fromUtf8("元件注释"),
                              QString::fromUtf8("参数"), QString::fromUtf8("梯形图"),
                              QString::fromUtf8("指令")}));
        QCOMPARE(Children(frame.Workspace()->LadderItem()),
                 (QStringList{"LEVEL1", "LEVLE2", QString::fromUtf8("子程序")}));
        QVERIFY(frame.App().Programs().FindByName("LEVLE2") != nullptr);
        QMenu* menu = frame.Workspace()->BuildPopup(frame.Workspace()->LadderItem());
        QCOMPARE(menu->actions().value(1)->text(), QString::fromUtf8("重新加载程序"));
        delete menu;
        frame.App().SetSettingsModified(false);
        frame.App().SetCommentModified(false);
        frame.App().SetLaddersModified(false);
        frame.App().SetVersionModified(false);
        SetLanguage(Lang::English);
    }
};

}  // namespace varno

QTEST_MAIN(varno::WorkspaceTest)
#include "workspace_test.moc"
