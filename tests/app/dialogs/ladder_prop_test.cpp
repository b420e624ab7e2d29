#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstring>

#include "app/dialogs/lad_prop.h"
#include "app/dialogs/ladder_prop_page.h"
#include "app/qt_text.h"
#include "app/widgets/font_record_qt.h"
#include "dialog_test_util.h"

namespace varno::test {

class LadderPropTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void TheBrowseButtonReplacesThePath() {
        QTemporaryDir dir;
        const QString chosen = dir.filePath("Other.vld");
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        CLadProp dialog(".\\Demo.vld");
        dialog.SetDirectory(dir.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Property"));
        QVERIFY(dialog.PathBox()->hasFocus());
        QCOMPARE(dialog.BrowseButton()->text(), QString("..."));

        WhenModal<QFileDialog>([](QFileDialog* files) { ClickCancel(files); });
        QTest::mouseClick(dialog.BrowseButton(), Qt::LeftButton);
        QCOMPARE(dialog.Path(), QString(".\\Demo.vld"));

        QString suffix;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QString directory;
        WhenModal<QFileDialog>([&](QFileDialog* files) {
            suffix = files->defaultSuffix();
            mode = files->fileMode();
            directory = files->directory().absolutePath();
            // Qt's own box, filled directly: typing would open its completion popup, and the
            // folder's listing may still be loading.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            QTest::mouseClick(StandardButton(files, QDialogButtonBox::Open), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.BrowseButton(), Qt::LeftButton);
        QCOMPARE(suffix, QString("vld"));
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QCOMPARE(directory, QDir(dir.path()).absolutePath());
        QCOMPARE(dialog.Path(), chosen);
        QVERIFY(dialog.isVisible());  // the browse button is not the dialog's default
        ClickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void ThePageShowsAndAppliesTheSettings() {
        CDisplaySettings settings;
        settings.showGrid = 0;
        settings.showLineNo = 1;
        settings.showComment2 = 1;
        settings.showSymbol = 1;
        settings.gridColor = 0x123456;
        settings.cellWidth = 120;
        settings.cellHeight = 40;
        settings.font = CLogFont::Default();
        CLadderProp page;
        page.Load(settings);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QVERIFY(!page.GridBox()->isChecked());
        QVERIFY(page.LineNumberBox()->isChecked());
        QVERIFY(page.Comment2Box()->isChecked());
        QCOMPARE(page.WidthBox()->value(), 120);
        QCOMPARE(page.HeightBox()->value(), 40);

        ClickIndicator(page.GridBox());
        ClickIndicator(page.LineNumberBox());
        page.WidthBox()->setFocus();
        page.WidthBox()->selectAll();
        QTest::keyClicks(page.WidthBox(), "3");
        page.HeightBox()->selectAll();
        QTest::keyClicks(page.HeightBox(), "-7");  // numbers are unsigned: the sign is refused

        CDisplaySettings applied;
        applied.showSymbol = 0;
        page.Apply(applied);
        QCOMPARE(applied.showGrid, 1);
        QCOMPARE(applied.showLineNo, 0);
        QCOMPARE(applied.showComment2, 1);
        QCOMPARE(applied.gridColor, 0x123456u);
        QCOMPARE(applied.cellWidth, 3);  // the options sheet raises it to the minimum
        QCOMPARE(applied.cellHeight, 7);
        QCOMPARE(applied.showSymbol, 0);  // not on the page
        QVERIFY(applied.font == CLogFont::Default());
    }

    void TheColourAndFontDialogsStartFromThePage() {
        CDisplaySettings settings;
        settings.gridColor = 0xC0C0C0;
        settings.font = CLogFont::Default();
        CLadderProp page;
        page.Load(settings);
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));

        QColor initial;
        WhenModal<QColorDialog>([&](QColorDialog* colors) {
            initial = colors->currentColor();
            colors->setCurrentColor(QColor(0x10, 0x20, 0x30));
            ClickOk(colors);
        });
        QTest::mouseClick(page.GridColorButton(), Qt::LeftButton);
        QCOMPARE(initial, QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(page.GridColor(), 0x302010u);
        WhenModal<QColorDialog>([](QColorDialog* colors) {
            colors->setCurrentColor(Qt::red);
            ClickCancel(colors);
        });
        QTest::mouseClick(page.GridColorButton(), Qt::LeftButton);
        QCOMPARE(page.GridColor(), 0x302010u);

        // The face standing in for "Courier New" chosen again keeps the record's name.
        QFont shown;
        WhenModal<QFontDialog>([&](QFontDialog* fonts) {
            shown = fonts->currentFont();
            QFont bigger = shown;
            bigger.setPointSize(12);
            fonts->setCurrentFont(bigger);
            ClickOk(fonts);
        });
        QTest::mouseClick(page.FontButton(), Qt::LeftButton);
        QCOMPARE(shown.family(), QFontInfo(QFont("Courier New")).family());
        QCOMPARE(page.Font().FaceName(), std::string("Courier New"));
        QCOMPARE(page.Font().height, -16);  // 12 points at 96 dots per inch

        WhenModal<QFontDialog>([&](QFontDialog* fonts) {
            QFont chosen("Liberation Sans");
            chosen.setPointSize(15);
            chosen.setBold(true);
            fonts->setCurrentFont(chosen);
            ClickOk(fonts);
        });
        QTest::mouseClick(page.FontButton(), Qt::LeftButton);
        QCOMPARE(page.Font().FaceName(), std::string("Liberation Sans"));
        QCOMPARE(page.Font().height, -20);
        QCOMPARE(page.Font().weight, 700);
        CDisplaySettings applied;
        page.Apply(applied);
        QCOMPARE(applied.gridColor, 0x302010u);
        QVERIFY(applied.font == page.Font());
    }

    void FontRecordsRoundTrip() {
        CLogFont record = CLogFont::Default();
        record.weight = 700;
        record.italic = 1;
        record.charSet = 134;
        record.pitchAndFamily = 49;
        const QFont font = FontFromRecord(record);
        QCOMPARE(font.family(), QString("Courier New"));
        QCOMPARE(font.pixelSize(), 18);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
        QVERIFY(RecordFromFont(font, record) == record);

        // A record that was never set gives the default font at its own size.
        const QFont plain = FontFromRecord(CLogFont{});
        QCOMPARE(plain.weight(), int(QFont::Normal));

        // A face name too long for 31 bytes is cut before a whole double-byte character.
        QFont chinese;
        chinese.setFamily(QString::fromUtf8("文泉驿微米黑文泉驿微米黑文泉驿微米黑文泉驿微米黑"));
        chinese.setPixelSize(12);
        const CLogFont cut = RecordFromFont(chinese, record);
        QCOMPARE(cut.FaceName().size(), std::size_t(30));
        QCOMPARE(cut.faceName[30], '\0');
        QCOMPARE(cut.FaceName(), Utf8ToGbk("文泉驿微米黑文泉驿微米黑文泉驿"));
        QCOMPARE(cut.charSet, std::uint8_t(134));
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::LadderPropTest)
#include "ladder_prop_test.moc"
