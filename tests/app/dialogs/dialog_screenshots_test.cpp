// Every dialog in both editions: no label or button shows less than its text needs, and with
// VARNO_SCREENSHOT_DIR set each one is saved there as a PNG to be looked at.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "app/dialogs/bat_edit_dlg.h"
#include "app/dialogs/data_table_dlg.h"
#include "app/dialogs/edit_comment_dlg.h"
#include "app/dialogs/element_set.h"
#include "app/dialogs/find_dlg.h"
#include "app/dialogs/func_set.h"
#include "app/dialogs/lad_prop.h"
#include "app/dialogs/ladder_prop_page.h"
#include "app/dialogs/net_comment_dlg.h"
#include "app/qt_text.h"
#include "app/shell/app_translation.h"
#include "dialog_test_util.h"
#include "model/catalog.h"
#include "model/ladder_builders.h"
#include "support/recording_services.h"

namespace varno::test {

namespace {

struct CShot {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

std::vector<CShot> Shots(IMessageService& messages) {
    auto refuse = [](CElementDialogData&) { return std::optional<CElementChoice>(); };
    auto accept = [](const CElemCommentData&) { return true; };
    return {
        {"contact",
         [=] {
             return std::make_unique<CContactSet>(CElementDialogData{1, "X0010.3"}, refuse);
         }},
        {"coil",
         [=] {
             return std::make_unique<CCoilSet>(CElementDialogData{0, "Y0000.1"}, refuse);
         }},
        {"function", [] { return std::make_unique<CFuncSet>(FUNC_TMR); }},
        {"comment_row",
         [] {
             return std::make_unique<CNetCommentDlg>(Utf8ToGbk("主轴启动\r\nSpindle start"),
                                                     Utf8ToGbk("第二行"));
         }},
        {"operand",
         [&messages] {
             COperandTable table(FUNC_CODB);
             const CLDCell codb = Codb(2, 4);
             table.Load(codb.Operands());
             return std::make_unique<CDataTableDlg>(table, messages);
         }},
        {"find", [] { return std::make_unique<CFindDlg>("X0010.3"); }},
        {"batch", [] { return std::make_unique<CBatEditDlg>(CBatchDialogData{}); }},
        {"element_comment",
         [=] {
             return std::make_unique<CEditCommentDlg>(
                 CEditCommentDlg::Mode::Modify,
                 CElemCommentData{"X0010.3", "START", Utf8ToGbk("启动按钮"), "push button"},
                 accept);
         }},
        {"path", [] { return std::make_unique<CLadProp>(".\\Demo.vld"); }},
        {"ladder_page",
         [] {
             auto sheet = std::make_unique<QTabWidget>();
             auto* page = new CLadderProp;
             sheet->addTab(page, page->windowTitle());
             return sheet;
         }},
        {"address_error",
         [] {
             return std::make_unique<QMessageBox>(QMessageBox::Critical, Tr(IDS_CAPTION_ERROR),
                                                  Tr(IDS_ADDRESS_ERROR), QMessageBox::Ok);
         }},
    };
}

// Labels and buttons narrower than their text would cut it off.
QStringList Clipped(QWidget* window) {
    QStringList clipped;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap() && !label->text().isEmpty() &&
            label->width() < label->minimumSizeHint().width()) {
            clipped << label->text();
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() &&
            button->width() < button->minimumSizeHint().width()) {
            clipped << button->text();
        }
    }
    return clipped;
}

}  // namespace

class DialogScreenshotsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryDialogInBothEditions_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("en") << int(Lang::English);
        QTest::newRow("zh") << int(Lang::Chinese);
    }

    void EveryDialogInBothEditions() {
        QFETCH(int, lang);
        const Lang edition = static_cast<Lang>(lang);
        SetLanguage(edition);
        QVERIFY(InstallQtTranslation(*QCoreApplication::instance(), edition));
        const QString dir = qEnvironmentVariable("VARNO_SCREENSHOT_DIR");
        CRecordingMessages messages;
        for (const CShot& shot : Shots(messages)) {
            std::unique_ptr<QWidget> window = shot.make();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QVERIFY2(
                Clipped(window.get()).isEmpty(),
                qPrintable(QString("%1: %2").arg(shot.name, Clipped(window.get()).join(", "))));
            if (edition == Lang::Chinese) {
                if (QPushButton* ok = StandardButton(window.get(), QDialogButtonBox::Ok)) {
                    QCOMPARE(ok->text(), QString::fromUtf8("确定"));
                }
            }
            if (!dir.isEmpty()) {
                const QString file =
                    QString("%1/%2_%3.png")
                        .arg(dir, shot.name, edition == Lang::Chinese ? "zh" : "en");
                QVERIFY(window->grab().save(file));
            }
        }
        SetLanguage(Lang::English);
        InstallQtTranslation(*QCoreApplication::instance(), Lang::English);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::DialogScreenshotsTest)
#include "dialog_screenshots_test.moc"
