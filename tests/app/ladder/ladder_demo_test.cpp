// The ladder window on a copy of the demo project: its LEVEL1 painted where the geometry puts
// it, printed to PDF, compiled and built from the window's Tool menu.
#include <QImage>
#include <QLabel>
#include <QTest>
#include <filesystem>

#include "app/ladder/ladder_command_ids.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/ladder/qt_clipboard.h"
#include "editor/app_ladder_project.h"
#include "editor_fixture.h"
#include "platform/string_table.h"
#include "project/varno_app.h"
#include "support/temp_dir.h"

namespace varno::test {

namespace fs = std::filesystem;

class LadderDemoTest : public QObject {
    Q_OBJECT

    struct CDemo {
        CDemo() {
            for (const auto& entry : fs::directory_iterator(VARNO_SOURCE_DIR "/examples/Demo")) {
                fs::copy(entry.path(), dir.Path() / entry.path().filename());
            }
            if (!app.OpenProject(dir.File("Demo.KPJ"), false)) {
                throw std::runtime_error("the demo does not open");
            }
            context.project = &project;
            context.messages = &messages;
            context.output = &output;
            context.dialogs = &dialogs;
            context.clipboard = &clipboard;
            context.app = &app;
        }
        std::unique_ptr<CLadderFrame> Open(const std::string& name) {
            std::unique_ptr<CLadderFrame> frame(CLadderFrame::Open(context, name));
            if (frame) {
                frame->setAttribute(Qt::WA_DeleteOnClose, false);
                frame->resize(1100, 700);
                frame->show();
                frame->Widget()->setFocus();
                QTest::qWaitForWindowExposed(frame.get());
            }
            return frame;
        }

        CTempDir dir;
        CRecordingMessages messages;
        CRecordingOutput output;
        CQueuedDialogs dialogs;
        CQtClipboard clipboard;
        CVARNOApp app{messages};
        CAppLadderProject project{app};
        CLadderContext context;
    };

    // Where screenshots go when asked for (VARNO_SHOT_DIR), to be looked at by a person.
    static void Keep(const QImage& image, const QString& name) {
        const QString dir = qEnvironmentVariable("VARNO_SHOT_DIR");
        if (!dir.isEmpty()) {
            image.save(dir + "/" + name);
        }
    }

private slots:
    // The rails, the first contact's bars and the row numbers sit where the geometry says, on
    // the pixels of the window.
    void Level1PaintsWhereTheGeometrySays() {
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            SetLanguage(lang);
            CDemo demo;
            auto frame = demo.Open("LEVEL1");
            QVERIFY(frame != nullptr);
            CLadderWidget* view = frame->Widget();
            const CLadder& ladder = frame->Doc().GetLadder();
            const int originX = frame->View().OriginX();
            QVERIFY(originX > 22);  // row numbers are on in the demo
            const QImage shot = view->viewport()->grab().toImage();
            Keep(frame->grab().toImage(),
                 lang == Lang::English ? "level1_en.png" : "level1_zh.png");
            const int midY = ladder.CellHeight() / 2 + ladder.CellHeight();
            QCOMPARE(shot.pixelColor(originX - 1, midY), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(originX + 8 * ladder.CellWidth() + 1, midY),
                     QColor(Qt::black));
            QVERIFY(shot.pixelColor(10, midY) != QColor(Qt::white));  // the margin strip

            // The first contact of the program: its bars at x + 40 and x + 60.
            bool found = false;
            for (int r = 0; r < ladder.RowCount() && !found; ++r) {
                for (int c = 0; c < 8 && !found; ++c) {
                    const CLDCell* cell = ladder.GetCell(r, c);
                    if (cell == nullptr || !cell->IsContact()) {
                        continue;
                    }
                    const CRect rect = *ladder.CellRect(ladder.DisplayRowOf(r), c);
                    if (rect.bottom > shot.height()) {
                        break;
                    }
                    found = true;
                    const QPoint top = view->ToViewport(QPoint(rect.left, rect.top));
                    if (r == 0 && c == 0) {
                        continue;  // under the caret: inverted
                    }
                    QCOMPARE(shot.pixelColor(top + QPoint(40, 30)), QColor(Qt::black));
                    QCOMPARE(shot.pixelColor(top + QPoint(60, 30)), QColor(Qt::black));
                    QVERIFY(shot.pixelColor(top + QPoint(50, 30)) != QColor(Qt::black));
                }
            }
            QVERIFY(found);
        }
        SetLanguage(Lang::English);
    }

    // The printed pages go to a PDF with their texts as texts (the footer can be found).
    void ExportsPagesToPdf() {
        CDemo demo;
        auto frame = demo.Open("LEVEL1");
        const std::string pdf = demo.dir.File("level1.pdf");
        frame->askPdfPath = [&] { return QString::fromStdString(pdf); };
        QVERIFY(frame->Commands().Run(ID_EXPORT_PDF));
        QVERIFY(fs::file_size(pdf) > 1000);
        const std::string bytes = ReadFileBytes(pdf);
        QVERIFY(bytes.starts_with("%PDF"));
        QVERIFY2(bytes.find("/Font") != std::string::npos, "texts are painted as texts");
        if (!qEnvironmentVariable("VARNO_SHOT_DIR").isEmpty()) {
            fs::copy_file(pdf, qEnvironmentVariable("VARNO_SHOT_DIR").toStdString() + "/level1.pdf",
                          fs::copy_options::overwrite_existing);
        }
    }

    // Compile from the window writes the instruction file and reports to the output with the
    // success beep; Generate ROM writes the target file.
    void CompileAndGenerateRom() {
        CDemo demo;
        auto frame = demo.Open("LEVEL1");
        QVERIFY(frame->Commands().Run(ID_COMPILE));
        QCOMPARE(demo.output.clears > 0, true);
        QVERIFY(!demo.output.lines.empty());
        QVERIFY(demo.output.lines.front().starts_with("Compile finished - 0 errors"));
        QCOMPARE(demo.messages.beeps.back(), BeepKind::Exclamation);
        QVERIFY(fs::exists(demo.app.GetFullPath(demo.app.Files().instruct)));

        QVERIFY(frame->Commands().Run(ID_GENERATE_ROM));
        QCOMPARE(demo.output.lines.back().rfind("The output file is", 0), 0u);
        QVERIFY(fs::exists(demo.app.GetFullPath(demo.app.Files().romName)));
        QCOMPARE(demo.messages.beeps.back(), BeepKind::Exclamation);

        // A never-saved ladder only asks to be saved; the output stays as it was.
        auto fresh = demo.Open(std::string());
        const int clears = demo.output.clears;
        QVERIFY(fresh->Commands().Run(ID_COMPILE));
        QCOMPARE(demo.output.clears, clears);
        QCOMPARE(demo.messages.boxes.back().text, std::string("Please save the file!"));
    }

    // A project program's window saves the whole program list to the project's ladder file;
    // its title shows the project's modified state.
    void ProgramSavesWithTheProject() {
        CDemo demo;
        auto frame = demo.Open("LEVEL1");
        QVERIFY(!frame->isWindowModified());
        const int rows = frame->Doc().GetLadder().RowCount();
        // Not at the top: a program's leading empty row is not kept by the file.
        QTest::keyClick(frame->Widget(), Qt::Key_Down);
        QTest::keyClick(frame->Widget(), Qt::Key_Down);
        QTest::keyClick(frame->Widget(), Qt::Key_Down);
        QTest::keyClick(frame->Widget(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(frame->Doc().GetLadder().RowCount(), rows + 1);
        QVERIFY(frame->isWindowModified());
        QVERIFY(demo.app.IsLaddersModified());
        QTest::keyClick(frame->Widget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!demo.app.IsLaddersModified());
        QVERIFY(!frame->isWindowModified());
        CVARNOApp reread(demo.messages);
        QVERIFY(reread.OpenProject(demo.dir.File("Demo.KPJ"), false));
        QCOMPARE(reread.Programs().FindByName("LEVEL1")->RowCount(), rows + 1);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderDemoTest)
#include "ladder_demo_test.moc"
