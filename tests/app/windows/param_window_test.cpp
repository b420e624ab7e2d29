// The parameter window on a copy of the demo project's parameter file, edited with real clicks
// and keys in its list: the tables, the Data column, the comment columns, saving and closing.
#include <sys/stat.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <memory>

#include "app/qt_text.h"
#include "app/shell/command_ids.h"
#include "app/widgets/edit_label.h"
#include "app/windows/param_edit_list.h"
#include "app/windows/param_frame.h"
#include "app/windows/param_group_view.h"
#include "app/windows/param_view.h"
#include "params/param_doc.h"
#include "window_test_support.h"

namespace varno::test {

namespace {

LDADDR ByteAddr(char letter, int number) {
    return LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(number)};
}

struct CParamWindow {
    CParamWindow() : path(demo.app.GetFullPath(demo.app.Files().param)) {}

    // Opens the window on the file (created when create) and shows it.
    bool Open(bool create = false) {
        frame.reset(CParamFrame::Open({demo.app.Comments(), demo.messages}, path, create));
        if (!frame) {
            return false;
        }
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->resize(900, 500);
        frame->show();
        frame->activateWindow();
        return QTest::qWaitForWindowActive(frame.get());
    }

    CParamEditList* List() const { return frame->View()->List(); }
    int Rows() const { return List()->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return List()->model()->index(row, column).data().toString();
    }
    void ChooseTable(const QString& name) {
        CParamGroupView* tree = frame->GroupView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(tree->ItemOf(name)).center());
    }
    // Clicks the row's Data cell, types the text and presses Enter.
    void TypeValue(int row, const QString& text) {
        CParamEditList* list = List();
        list->scrollTo(list->model()->index(row, 2));
        const QRect cell = list->visualRect(list->model()->index(row, 2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(list->IsEditing());
        QTest::keyClicks(list->Editor(), text);
        QTest::keyClick(list->Editor(), Qt::Key_Return);
        QVERIFY(!list->IsEditing());
    }
    // The tables as a fresh document reads them from a file.
    static std::unique_ptr<CParamDoc> Read(const std::string& file) {
        auto doc = std::make_unique<CParamDoc>();
        return doc->Load(file) ? std::move(doc) : nullptr;
    }

    CDemoProject demo;
    std::string path;
    std::unique_ptr<CParamFrame> frame;
};

}  // namespace

class ParamWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(Lang::English); }

    void TheTablesAndAnEmptyListUntilOneIsChosen() {
        CParamWindow w;
        QVERIFY(w.Open());
        QCOMPARE(w.frame->windowTitle(), QString("Demo.par[*]"));
        QVERIFY(!w.frame->isWindowModified());
        QCOMPARE(w.frame->Splitter()->sizes().first(), 100);
        CParamGroupView* tree = w.frame->GroupView();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("C"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("D"));
        QCOMPARE(tree->topLevelItem(2)->text(0), QString("T"));
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QCOMPARE(w.Rows(), 0);
        const QStringList headers = {"Index",  "Address",   "Data",
                                     "Symbol", "Comment 1", "Comment 2"};
        const int widths[] = {60, 80, 80, 80, 200};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(w.List()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        }
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(w.List()->columnWidth(c), widths[c]);
        }
        QVERIFY(w.List()->horizontalHeader()->stretchLastSection());
        QVERIFY(w.List()->showGrid());

        w.ChooseTable("D");
        QCOMPARE(w.Rows(), 1000);
        QCOMPARE(w.Cell(3, 1), QString("D0003"));
        w.ChooseTable("T");
        QCOMPARE(w.Rows(), 200);
        QCOMPARE(w.Cell(3, 0), QString("3"));
        QCOMPARE(w.Cell(3, 1), QString("T0012"));
    }

    void OnlyTheDataColumnEdits() {
        CParamWindow w;
        QVERIFY(w.Open());
        w.ChooseTable("T");
        for (int column : {0, 1, 3, 4}) {
            const QRect cell = w.List()->visualRect(w.List()->model()->index(2, column));
            QTest::mouseClick(w.List()->viewport(), Qt::LeftButton, {}, cell.center());
            QVERIFY(!w.List()->IsEditing());
        }
        QVERIFY(!w.frame->isWindowModified());
    }

    void ATimerValueOf1500ShowsAs1500AndIsSaved() {
        CParamWindow w;
        QVERIFY(w.Open());
        w.ChooseTable("T");
        w.TypeValue(3, "1500");
        QCOMPARE(w.Cell(3, 2), QString("1500"));
        QVERIFY(w.frame->isWindowModified());
        QVERIFY(w.frame->Doc().IsModified());
        // Not a number: 0, as the standard conversion reads it.
        w.TypeValue(5, "ABC");
        QCOMPARE(w.Cell(5, 2), QString("0"));

        QVERIFY(w.frame->CanRunShellCommand(ID_FILE_SAVE));
        w.frame->RunShellCommand(ID_FILE_SAVE);
        QVERIFY(!w.frame->isWindowModified());
        auto saved = CParamWindow::Read(w.path);
        QVERIFY(saved != nullptr);
        QCOMPARE(saved->Tables().Find("T")->GetValue(3), 1500);
    }

    void ACounterValueAbove65535ShowsModulo65536() {
        CParamWindow w;
        QVERIFY(w.Open());
        w.ChooseTable("C");
        w.TypeValue(0, "70000");
        QCOMPARE(w.Cell(0, 2), QString("4464"));
        w.TypeValue(1, "65536");
        QCOMPARE(w.Cell(1, 2), QString("0"));
        w.ChooseTable("D");
        w.TypeValue(0, "300");
        QCOMPARE(w.Cell(0, 2), QString("44"));
    }

    void TheSymbolOfC0004StandsOnCounterRow1() {
        CParamWindow w;
        w.demo.app.Comments().SetComment(ByteAddr('C', 4), "CNT4", "Fourth counter",
                                         ToGbk(QString::fromUtf8("第四计数器")));
        QVERIFY(w.Open());
        w.ChooseTable("C");
        QCOMPARE(w.Cell(1, 1), QString("C0004"));
        QCOMPARE(w.Cell(1, 3), QString("CNT4"));
        QCOMPARE(w.Cell(1, 4), QString("Fourth counter"));
        QCOMPARE(w.Cell(1, 5), QString::fromUtf8("第四计数器"));
        QCOMPARE(w.Cell(2, 3), QString("PARTS"));  // C0008 of the demo
        QCOMPARE(w.Cell(0, 3), QString());
        // A comment edited while the window is open shows at once.
        QSignalSpy changed(w.List()->model(), &QAbstractItemModel::dataChanged);
        w.demo.app.Comments().SetComment(ByteAddr('C', 4), "CNT4B", "", "");
        QVERIFY(!changed.isEmpty());
        QCOMPARE(w.Cell(1, 3), QString("CNT4B"));
        w.ChooseTable("T");
        QCOMPARE(w.Cell(1, 3), QString("LUBE_T"));  // T0004 of the demo
    }

    void AMissingFileIsCreatedAtOnce() {
        CParamWindow w;
        w.path = w.demo.dir.File("fresh.par");
        QVERIFY(w.Open(true));
        QCOMPARE(ReadFileBytes(w.path).size(), std::size_t{2056});
        QVERIFY(!w.frame->isWindowModified());
        QCOMPARE(w.frame->windowTitle(), QString("fresh.par[*]"));
    }

    void AFileThatIsNoParameterFileOpensNothing() {
        CParamWindow w;
        WriteFileBytes(w.path, "not parameters at all, longer than a header of 32 bytes");
        QVERIFY(!w.Open());
        QCOMPARE(w.demo.messages.boxes.size(), std::size_t{1});
        QVERIFY(w.demo.messages.boxes[0].text.find("Demo.par could not be opened") !=
                std::string::npos);
        QCOMPARE(w.demo.messages.boxes[0].icon, MbIcon::Error);
        QCOMPARE(ReadFileBytes(w.path).size(), std::size_t{55});  // left as it was
    }

    void AReadOnlyFileIsSavedUnderANewName() {
        CParamWindow w;
        QVERIFY(w.Open());
        const std::string old = ReadFileBytes(w.path);
        chmod(w.path.c_str(), 0444);
        w.ChooseTable("T");
        w.TypeValue(0, "99");
        const std::string other = w.demo.dir.File("copy.par");
        int asked = 0;
        w.frame->askSavePath = [&] {
            ++asked;
            return QString::fromStdString(other);
        };
        QVERIFY(w.frame->Save());
        QCOMPARE(asked, 1);
        QCOMPARE(ReadFileBytes(w.path), old);
        QCOMPARE(CParamWindow::Read(other)->Tables().Find("T")->GetValue(0), 99);
        QCOMPARE(w.frame->Path(), other);
        QCOMPARE(w.frame->windowTitle(), QString("copy.par[*]"));
        QVERIFY(!w.frame->isWindowModified());
        // Cancel in the name question saves nothing and keeps the changes.
        chmod(other.c_str(), 0444);
        w.TypeValue(1, "7");
        w.frame->askSavePath = [] { return QString(); };
        QVERIFY(!w.frame->Save());
        QVERIFY(w.frame->isWindowModified());
    }

    void ClosingWithChangesAsksFirst() {
        CParamWindow w;
        QVERIFY(w.Open());
        const std::string old = ReadFileBytes(w.path);
        w.ChooseTable("C");
        w.TypeValue(0, "12");
        w.demo.messages.answers = {MbAnswer::Cancel};
        QVERIFY(!w.frame->close());
        QVERIFY(w.frame->isVisible());
        QVERIFY(w.demo.messages.boxes.back().text.find("Save changes to Demo.par?") !=
                std::string::npos);
        w.demo.messages.answers = {MbAnswer::No};
        QVERIFY(w.frame->close());
        QCOMPARE(ReadFileBytes(w.path), old);

        QVERIFY(w.Open());
        w.ChooseTable("C");
        w.TypeValue(0, "12");
        w.demo.messages.answers = {MbAnswer::Yes};
        QVERIFY(w.frame->close());
        QCOMPARE(CParamWindow::Read(w.path)->Tables().Find("C")->GetValue(0), 12);
    }
};

}  // namespace varno::test

QTEST_MAIN(varno::test::ParamWindowTest)
#include "param_window_test.moc"
