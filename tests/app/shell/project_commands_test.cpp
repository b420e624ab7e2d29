// The project commands through their real dialogs and message boxes, start-up and quitting, the
// settings, and a whole session as a person would go through it without a ladder window.
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "app/dialogs/ladder_prop_page.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "app/shell/output_bar.h"
#include "app/shell/workspace.h"
#include "compiler/compile_command.h"
#include "model/ladder_file.h"
#include "params/param_doc.h"
#include "platform/string_table.h"
#include "shell_test_support.h"
#include "target/generate_rom.h"

namespace varno {

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ForgetChanges(CMainFrame& frame) {
    frame.App().SetSettingsModified(false);
    frame.App().SetCommentModified(false);
    frame.App().SetLaddersModified(false);
    frame.App().SetVersionModified(false);
}

void Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

void Shot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VARNO_SHOTS");
    if (!folder.isEmpty()) {
        window.grab().save(folder + "/" + name + ".png");
    }
}

class CSilentMessages final : public IMessageService {
public:
    MbAnswer ShowMessage(const std::string&, const std::string&, MbIcon, MbButtons) override {
        return MbAnswer::Ok;
    }
    using IMessageService::ShowMessage;
    void Beep(BeepKind) override {}
};

std::vector<std::string> ProgramNames(const CLadderList& list) {
    std::vector<std::string> names;
    for (const CLadder& program : list) {
        names.push_back(program.Name());
    }
    return names;
}

}  // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        test::PrivateSettings();
        SetLanguage(Lang::English);
    }

    void init() { CShellSettings().SetRecentFiles({}); }

    // New through the file dialog: the tree shows the new project, which is not in the recent
    // list and not yet on disk; Open... through the dialog puts it at the top of the list.
    void NewAndOpenThroughTheirDialogs() {
        CMainFrame frame;
        frame.show();
        test::AnswerFileDialog(Path("Fresh"));
        frame.Commands().Run(ID_FILE_NEW);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("Fresh.KPJ"));
        QVERIFY(frame.App().IsProjectModified());
        QVERIFY(!QFile::exists(Path("Fresh.KPJ")));
        QVERIFY(CShellSettings().RecentFiles().isEmpty());

        // Close Workspace answered No keeps the tree; Yes saves and clears it.
        test::AnswerMessage(QMessageBox::No);
        frame.Commands().Run(ID_CLOSE_WORKSPACE);
        QVERIFY(frame.IsProjectOpen());
        QString asked;
        test::AnswerMessage(QMessageBox::Yes, &asked);
        frame.Commands().Run(ID_CLOSE_WORKSPACE);
        QCOMPARE(asked, QString("Project modified,Save or not?"));
        QVERIFY(!frame.IsProjectOpen());
        QVERIFY(!frame.Workspace()->Tree()->isVisible());
        QVERIFY(QFile::exists(Path("Fresh.KPJ")));
        frame.UpdateCommandStates();
        QVERIFY(!frame.Commands().Action(ID_CLOSE_WORKSPACE)->isEnabled());
        QVERIFY(frame.Commands().Action(ID_IMPORT_ROM)->isEnabled());

        test::AnswerFileDialog(Path("Fresh.KPJ"));
        frame.Commands().Run(ID_FILE_OPEN);
        QVERIFY(frame.IsProjectOpen());
        QCOMPARE(CShellSettings().RecentFiles(), QStringList{Path("Fresh.KPJ")});
        QVERIFY(frame.close());
    }

    // The recent list: an entry that opens moves to the top, one that fails is removed; a
    // project given at start-up is not added.
    void RecentFileEntries() {
        for (const QString& name : {"A.KPJ", "B.KPJ"}) {
            CMainFrame maker;
            QVERIFY(maker.NewProject(Path(name)));
            QVERIFY(maker.App().SaveProject());
        }
        CShellSettings().SetRecentFiles({Path("B.KPJ"), Path("Gone.KPJ"), Path("A.KPJ")});
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.OpenProjectPath(Path("B.KPJ")));
        QCOMPARE(CShellSettings().RecentFiles().size(), 3);
        QCOMPARE(frame.Commands().Action(ID_FILE_MRU_FIRST + 2)->text(), "&3 " + Path("A.KPJ"));
        frame.Commands().Run(ID_FILE_MRU_FIRST + 2);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("A.KPJ"));
        QCOMPARE(CShellSettings().RecentFiles(),
                 (QStringList{Path("A.KPJ"), Path("B.KPJ"), Path("Gone.KPJ")}));
        test::AnswerMessage(QMessageBox::Ok);
        frame.Commands().Run(ID_FILE_MRU_FIRST + 2);
        QCOMPARE(CShellSettings().RecentFiles(), (QStringList{Path("A.KPJ"), Path("B.KPJ")}));
        QVERIFY(!frame.Commands().Action(ID_FILE_MRU_FIRST + 2)->isVisible());
    }

    // A path without an extension is opened as a project too; a dropped X.vp3 as well.
    void PathsWithoutOrWithOtherExtensions() {
        CMainFrame maker;
        QVERIFY(maker.NewProject(Path("Plain")));
        QVERIFY(maker.App().SaveProject());
        QVERIFY(QFile::exists(Path("Plain")));
        QVERIFY(QFile::exists(Path("Plain.vld")));
        QVERIFY(QFile::copy(Path("Plain"), Path("X.vp3")));

        CMainFrame frame;
        frame.show();
        QVERIFY(frame.OpenProjectPath(Path("Plain")));
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("Plain"));
        Drop(&frame, Path("X.vp3"));
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("X.vp3"));
        QVERIFY(CShellSettings().RecentFiles().isEmpty());

        // Other files go to the type their extension names; an unknown one is reported.
        test::CFakeDocuments comments;
        comments.Register(frame, DocKind::Comment, ".cmt");
        Drop(&frame, Path("Some.CMT"));
        QCOMPARE(comments.opened, QStringList{Path("Some.CMT")});
        Drop(&frame, Path("./Some.CMT"));
        QCOMPARE(frame.MdiArea()->subWindowList().size(), 1);
        QString text;
        test::AnswerMessage(QMessageBox::Ok, &text);
        Drop(&frame, Path("Other.xyz"));
        QVERIFY(text.contains("Other.xyz"));
    }

    // Options: height 3 and width 3 typed on the Ladder page become 10, an empty target name
    // "DST.PLC", a ticked comment 2 is kept.
    void OptionsSheetOkRules() {
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.NewProject(Path("Opt.KPJ")));
        ForgetChanges(frame);
        CProjectFiles files = frame.App().Files();
        files.romName = "OLD.PLC";
        frame.App().SetFiles(files);
        frame.App().SetSettingsModified(false);

        test::OnNextModal([](QWidget* sheet) {
            QCOMPARE(sheet->windowTitle(), QString("Options"));
            QCOMPARE(sheet->findChild<QTabWidget*>()->tabText(0), QString("Build"));
            auto* name = sheet->findChild<QLineEdit*>("edit1034");
            QCOMPARE(name->text(), QString("OLD.PLC"));
            name->selectAll();
            QTest::keyClick(name, Qt::Key_Delete);
            auto* tabs = sheet->findChild<QTabWidget*>();
            QCOMPARE(tabs->tabText(1), QString("Ladder"));
            tabs->setCurrentIndex(1);
            auto* page = qobject_cast<CLadderProp*>(tabs->widget(1));
            QVERIFY(page != nullptr);
            QTRY_VERIFY(page->Comment2Box()->isVisible());
            for (QSpinBox* box : {page->WidthBox(), page->HeightBox()}) {
                box->selectAll();
                QTest::keyClicks(box, "3");
            }
            // On the box itself: the widget is wider than its box and label.
            QCheckBox* comment2 = page->Comment2Box();
            QTest::mouseClick(comment2, Qt::LeftButton, {}, QPoint(8, comment2->height() / 2));
            test::PressDialogButton(sheet, QDialogButtonBox::Ok);
        });
        frame.Commands().Run(ID_OPTIONS);
        QCOMPARE(frame.App().Files().romName, std::string("DST.PLC"));
        QCOMPARE(frame.App().Display().cellWidth, 10);
        QCOMPARE(frame.App().Display().cellHeight, 10);
        QCOMPARE(frame.App().Display().showComment2, 1);
        QVERIFY(frame.App().IsSettingsModified());

        frame.App().SetSettingsModified(false);
        test::OnNextModal([](QWidget* sheet) {
            QTest::keyClicks(sheet->findChild<QLineEdit*>("edit1034"), "X");
            test::PressDialogButton(sheet, QDialogButtonBox::Cancel);
        });
        frame.Commands().Run(ID_OPTIONS);
        QCOMPARE(frame.App().Files().romName, std::string("DST.PLC"));
        QVERIFY(!frame.App().IsSettingsModified());
        ForgetChanges(frame);
    }

    // Quitting with a modified project asks; Cancel keeps the window, No lets it close.
    void QuittingAsksAboutAModifiedProject() {
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.NewProject(Path("Quit.KPJ")));
        test::AnswerMessage(QMessageBox::Cancel);
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        test::CFakeDocuments ladders;
        ladders.Register(frame, DocKind::Ladder, ".vld");
        QMdiSubWindow* window = frame.OpenProgram("LEVEL1");
        QVERIFY(window != nullptr);
        test::AnswerMessage(QMessageBox::No);
        QVERIFY(frame.close());
        QVERIFY(!QFile::exists(Path("Quit.KPJ")));
    }

    // The layout is stored on closing and restored; a stored state that names a bar which does
    // not exist is ignored.
    void BarStateAndSizes() {
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            frame.removeDockWidget(frame.Workspace());
            frame.addDockWidget(Qt::RightDockWidgetArea, frame.Workspace());
            frame.Workspace()->show();
            QVERIFY(frame.close());
        }
        QSettings store("TELMARA", "VARNO");
        QVERIFY(store.contains("VARNO_BarState"));
        QVERIFY(store.value("VARNO_BarState-SCBar-106/sizeVertCX").toInt() > 0);
        QVERIFY(store.value("VARNO_BarState-SCBar-104/sizeHorzCY").toInt() > 0);
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QCOMPARE(frame.dockWidgetArea(frame.Workspace()), Qt::RightDockWidgetArea);
        }
        QStringList names = store.value("VARNO_BarState-Bars").toStringList();
        store.setValue("VARNO_BarState-Bars", names << "NoSuchBar");
        store.sync();
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QCOMPARE(frame.dockWidgetArea(frame.Workspace()), Qt::LeftDockWidgetArea);
            QVERIFY(frame.close());
        }
    }

    // A session as a person goes through it, without the ladder window: a new project, a
    // subprogram, compile and Generate ROM, close, reopen from the recent list, and the target
    // file imported into a second new project, which then holds the same programs, comments,
    // parameters and version information.
    void WholeSession() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        Shot(frame, "1_started");
        frame.MdiArea()->setFocus();
        QTRY_VERIFY(frame.MdiArea()->hasFocus());
        test::AnswerFileDialog(Path("Mill.KPJ"));
        QTest::keyClick(frame.MdiArea(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("Mill.KPJ"));

        CWorkspace& ws = *frame.Workspace();
        ws.Tree()->setCurrentItem(ws.SubprogramFolder());
        test::OnNextModal([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1034"), "12");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1035"), "pump");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1058"), "Pump on");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1062"), "Fill");
            test::PressDialogButton(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(ws.Commands().Run(ID_ADD_SUBPROGRAM));
        QCOMPARE(ws.SubprogramFolder()->child(0)->text(0), QString("P0012(Pump on)"));
        test::OnNextModal([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1051"), "Telmara");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("edit1036"), "V1.0");
            test::PressDialogButton(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(ws.Commands().Run(ID_VERSION_OPEN));
        ws.SubprogramFolder()->setExpanded(true);
        Shot(frame, "2_subprogram");

        // The parameters as the parameter window would save them.
        CVARNOApp& app = frame.App();
        CParamDoc params;
        params.SetCurrentTable(params.Tables().Find("T"));
        params.SetValue(3, 150);
        QVERIFY(params.Save(app.GetFullPath(app.Files().param)));
        test::AnswerMessage(QMessageBox::Yes);
        QVERIFY(app.SaveModifiedProject() == MbAnswer::Yes);

        // Compile and Generate ROM as the ladder window runs them.
        const CCompileOutcome compiled = RunCompileCommand(
            app.Programs(), app.GetFullPath(app.Files().instruct), frame, app.Messages());
        QVERIFY(compiled.compiled);
        QVERIFY(frame.OutputBar()->Edit()->toPlainText().startsWith(
            "Compile finished - 0 errors, 0 warnings\nGenerate PLC "));
        Shot(frame, "3_compiled");
        QCOMPARE(RunGenerateRom(ProjectRomBuild(app), frame, app.Messages()).result,
                 RomResult::Generated);
        QVERIFY(frame.OutputBar()->Edit()->toPlainText().contains("ROM file has generated!"));
        Shot(frame, "4_rom");
        const QString target = Path("DST.PLC");
        QVERIFY(QFile::exists(target));

        frame.Commands().Run(ID_CLOSE_WORKSPACE);
        QVERIFY(!frame.IsProjectOpen());
        Shot(frame, "5_closed");
        test::AnswerFileDialog(Path("Mill.KPJ"));
        frame.activateWindow();
        frame.MdiArea()->setFocus();
        QTRY_VERIFY(frame.MdiArea()->hasFocus());
        QTest::keyClick(frame.MdiArea(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("Mill.KPJ"));
        frame.Commands().Run(ID_CLOSE_WORKSPACE);
        frame.Commands().Run(ID_FILE_MRU_FIRST);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("Mill.KPJ"));
        QVERIFY(frame.Workspace()->FindProgramNode("P0012") != nullptr);
        Shot(frame, "6_reopened");

        // Into a second project.
        QDir().mkpath(Path("second"));
        test::AnswerFileDialog(Path("second/Copy.KPJ"));
        frame.Commands().Run(ID_FILE_NEW);
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("second/Copy.KPJ"));
        QVERIFY(frame.Workspace()->FindProgramNode("P0012") == nullptr);
        test::AnswerMessage(QMessageBox::Yes);  // save the new project first
        test::AnswerFileDialog(target);
        frame.Commands().Run(ID_IMPORT_ROM);
        QVERIFY(frame.OutputBar()->Edit()->toPlainText().contains("The file import finished!"));
        QCOMPARE(frame.Workspace()->ProjectPath(), Path("second/Copy.KPJ"));
        QCOMPARE(frame.Workspace()->SubprogramFolder()->child(0)->text(0),
                 QString("P0012(Pump on)"));
        frame.Workspace()->SubprogramFolder()->setExpanded(true);
        Shot(frame, "7_imported");

        CVARNOApp& copy = frame.App();
        CSilentMessages quiet;
        CVARNOApp original(quiet);
        QVERIFY(original.OpenProject(Path("Mill.KPJ").toStdString(), false));
        QCOMPARE(ProgramNames(copy.Programs()), ProgramNames(original.Programs()));
        QCOMPARE(copy.Comments().FormatCommentFile(), original.Comments().FormatCommentFile());
        QCOMPARE(Bytes(Path("second/Copy.par")), Bytes(Path("Mill.par")));
        QCOMPARE(Bytes(Path("second/Copy.ver")), Bytes(Path("Mill.ver")));
        QCOMPARE(copy.Versions().GetVersionLine(2, 0), std::string("V1.0"));
        for (const CLadder& program : original.Programs()) {
            QCOMPARE(copy.Programs().FindByName(program.Name())->RowCount(), program.RowCount());
        }
        QVERIFY(frame.close());
    }
};

}  // namespace varno

QTEST_MAIN(varno::ProjectCommandsTest)
#include "project_commands_test.moc"
