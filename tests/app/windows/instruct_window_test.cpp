#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QFontInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/qt_text.h"
#include "app/qt_ui_post.h"
#include "app/windows/instruct_doc.h"
#include "app/windows/instruct_frame.h"
#include "app/windows/instruct_view.h"
#include "compiler/compile_command.h"
#include "dialog_watcher.h"
#include "platform/strings/app_windows.h"
#include "project/file_watch.h"
#include "project/varno_app.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {

namespace {

// The demo project copied into a folder of the test's own.
struct CDemoCopy {
    CDemoCopy() : app(messages) {
        for (const auto& entry :
             std::filesystem::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
            std::filesystem::copy(entry.path(), dir.Path() / entry.path().filename());
        }
        if (!app.OpenProject(dir.File("Demo.KPJ"), false)) {
            throw std::runtime_error("the demo project does not open");
        }
    }
    std::string InstructionPath() const { return app.GetFullPath(app.Files().instruct); }
    bool Compile() {
        return RunCompileCommand(app.Programs(), InstructionPath(), output, messages).compiled;
    }
    QString FileText() const {
        QString text = FromGbk(test::ReadFileBytes(InstructionPath()));
        return text.replace("\r\n", "\n");
    }

    test::CTempDir dir;
    test::CRecordingMessages messages;
    test::CRecordingOutput output;
    CVARNOApp app;
};

// A second watched file beside the instruction file. Once a change of it has been told, every
// change made before it in the folder has been told too: the worker scans a folder's files
// together, under the lock any call of the watch waits for.
class CMarker final : public IFileWatchWindow {
public:
    CMarker(CFileWatch& watch, const std::string& path) : watch_(watch), path_(path) {
        test::WriteFileBytes(path_, "m");
        const timespec old[2] = {{1000, 0}, {1000, 0}};
        utimensat(AT_FDCWD, path_.c_str(), old, 0);
        id_ = watch_.AddFileWatch(path_, this, nullptr);
    }
    ~CMarker() override { watch_.RemoveFileWatch(id_); }
    void OnFileWatchNotify(FileWatchId, const std::string&) override { ++told_; }

    // Waits until everything changed in the folder so far has reached its window.
    bool Settle() {
        const int before = told_;
        test::WriteFileBytes(path_, "m" + std::to_string(before));
        if (!QTest::qWaitFor([&] { return told_ > before; }, 10000)) {
            return false;
        }
        watch_.WatchedDirectoryCount();
        QCoreApplication::processEvents();
        return true;
    }

private:
    CFileWatch& watch_;
    std::string path_;
    FileWatchId id_ = 0;
    int told_ = 0;
};

}  // namespace

class InstructWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetLanguage(Lang::English); }

    void AFileThatCannotBeReadOpensNothing() {
        CDemoCopy demo;
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        int reloadAll = 1;
        QVERIFY(!std::filesystem::exists(demo.InstructionPath()));
        QVERIFY(OpenInstructWindow({area, watch, &reloadAll, demo.messages},
                                   demo.InstructionPath()) == nullptr);
        QVERIFY(area.subWindowList().isEmpty());
        QVERIFY(!watch.WorkerRunning());
    }

    void CompilingReloadsTheOpenUnchangedWindow() {
        CDemoCopy demo;
        test::WriteFileBytes(demo.InstructionPath(), "RD         X0000.0\r\nold list\r\n");
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        area.resize(800, 600);
        area.show();
        int reloadAll = 1;
        test::CDialogWatcher dialogs;
        CInstructView* view =
            OpenInstructWindow({area, watch, &reloadAll, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCOMPARE(view->toPlainText(), QString("RD         X0000.0\nold list\n"));
        QVERIFY(!view->Document().IsModified());
        // Opening it again brings the same window forward.
        QCOMPARE(
            OpenInstructWindow({area, watch, &reloadAll, demo.messages}, demo.InstructionPath()),
            view);
        QCOMPARE(area.subWindowList().size(), 1);

        QVERIFY(demo.Compile());
        const QString compiled = demo.FileText();
        QVERIFY(compiled.contains("1th Rung"));
        QTRY_COMPARE_WITH_TIMEOUT(view->toPlainText(), compiled, 10000);
        QVERIFY(!view->Document().IsModified());
        QVERIFY(dialogs.seen.empty());
    }

    void SavingTheWindowAsksNothing() {
        CDemoCopy demo;
        QVERIFY(demo.Compile());
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        area.resize(800, 600);
        area.show();
        int reloadAll = 0;
        test::CDialogWatcher dialogs;
        CInstructView* view =
            OpenInstructWindow({area, watch, &reloadAll, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        area.setActiveSubWindow(area.subWindowList().first());
        view->setFocus();
        view->moveCursor(QTextCursor::End);
        QTest::keyClicks(view, "; checked");
        QVERIFY(view->Document().IsModified());
        CMarker marker(watch, demo.dir.File("marker"));
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!view->Document().IsModified());
        QVERIFY(marker.Settle());
        QVERIFY(dialogs.seen.empty());
        QVERIFY(demo.FileText().endsWith("; checked"));
        QVERIFY(test::ReadFileBytes(demo.InstructionPath()).find("\r\n; checked") !=
                std::string::npos);

        // An outside change after the save is the first thing asked about. Cancel keeps the
        // text with its edit.
        QTest::keyClicks(view, "!");
        dialogs.answers.push_back({false, false});
        QVERIFY(demo.Compile());
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.seen.size(), std::size_t{1}, 10000);
        QCOMPARE(dialogs.seen[0].text, QString::fromStdString(demo.InstructionPath()) + "\n\n" +
                                           Tr(IDS_FILE_RELOAD_QUESTION));
        QVERIFY(dialogs.seen[0].autoReloadShown);
        QVERIFY(dialogs.seen[0].reloadAllShown);
        QVERIFY(view->toPlainText().endsWith("; checked!"));

        // OK with auto-reload ticked reloads; later changes reload without asking.
        dialogs.answers.push_back({true, true});
        QVERIFY(demo.Compile());
        QTRY_VERIFY_WITH_TIMEOUT(!view->toPlainText().contains("; checked"), 10000);
        QCOMPARE(dialogs.seen.size(), std::size_t{2});
        QTest::keyClicks(view, "x");
        QVERIFY(demo.Compile());
        QTRY_COMPARE_WITH_TIMEOUT(view->toPlainText(), demo.FileText(), 10000);
        QCOMPARE(dialogs.seen.size(), std::size_t{2});
        QCOMPARE(reloadAll, 0);
    }

    void ClosingWithUnsavedChangesAsksToSave() {
        CDemoCopy demo;
        QVERIFY(demo.Compile());
        const std::string compiled = test::ReadFileBytes(demo.InstructionPath());
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        area.show();
        QPointer<CInstructView> view =
            OpenInstructWindow({area, watch, nullptr, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QMdiSubWindow* frame = area.subWindowList().first();
        QCOMPARE(frame->windowTitle(), QString("Demo.txt[*]"));
        QVERIFY(!frame->isWindowModified());
        view->moveCursor(QTextCursor::End);
        QTest::keyClicks(view, "; more");
        QVERIFY(frame->isWindowModified());

        demo.messages.answers = {MbAnswer::Cancel, MbAnswer::Yes};
        QVERIFY(!frame->close());
        QCOMPARE(demo.messages.boxes.size(), std::size_t{1});
        QCOMPARE(FromGbk(demo.messages.boxes[0].text), QString("Save changes to Demo.txt?"));
        QCOMPARE(demo.messages.boxes[0].buttons, MbButtons::YesNoCancel);
        QCOMPARE(test::ReadFileBytes(demo.InstructionPath()), compiled);
        QVERIFY(frame->close());
        QTRY_VERIFY(view.isNull());
        QCOMPARE(test::ReadFileBytes(demo.InstructionPath()), compiled + "; more");
        QVERIFY(!watch.WorkerRunning());
    }

    void ShowsTheTextInAFixedPitchFont() {
        CDemoCopy demo;
        QVERIFY(demo.Compile());
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        CInstructView* view =
            OpenInstructWindow({area, watch, nullptr, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        QCOMPARE(view->font().pixelSize(), 18);
        QVERIFY(QFontInfo(view->font()).fixedPitch());
        QCOMPARE(view->font().weight(), QFont::Normal);
        QVERIFY(!view->isReadOnly());
    }

    void ClosingTheWindowRemovesTheWatch() {
        CDemoCopy demo;
        QVERIFY(demo.Compile());
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        area.show();
        int reloadAll = 1;
        QPointer<CInstructView> view =
            OpenInstructWindow({area, watch, &reloadAll, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        QVERIFY(watch.WorkerRunning());
        QVERIFY(area.subWindowList().first()->close());
        QTRY_VERIFY(view.isNull());
        QVERIFY(!watch.WorkerRunning());
        // A compile now reaches nobody.
        QVERIFY(demo.Compile());
        QTest::qWait(50);
    }

    void PrintsLikeATextDocument() {
        CDemoCopy demo;
        QVERIFY(demo.Compile());
        CQtUiPost post;
        CFileWatch watch(post);
        QMdiArea area;
        CInstructView* view =
            OpenInstructWindow({area, watch, nullptr, demo.messages}, demo.InstructionPath());
        QVERIFY(view != nullptr);
        const QString pdf = QString::fromStdString(demo.dir.File("plc.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        view->PrintDocument(printer);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // Text, not a picture of it.
        QVERIFY(bytes.contains("/Font"));
    }
};

}  // namespace varno

QTEST_MAIN(varno::InstructWindowTest)
#include "instruct_window_test.moc"
