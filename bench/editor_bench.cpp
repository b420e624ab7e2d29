// The editor on a short program (100 rows) and on the longest a ladder file holds (65535):
// one command with its undo should cost about the same on both; the whole-ladder batch edit
// and Find walk every row once, so their time per row should stay flat as the rows double.
#include <benchmark/benchmark.h>

#include <memory>

#include "editor/ladder_doc.h"
#include "editor/ladder_view.h"
#include "program_generator.h"
#include "support/quiet_services.h"

namespace varno {
namespace {

// Every dialog answered OK with fixed values.
class CFixedDialogs final : public IEditorDialogs {
public:
    std::optional<CElementChoice> RunElementDialog(ElementClass cls, CElementDialogData data,
                                                   const ElementCheck& check) override {
        data.typeIndex = 0;
        data.address = cls == ElementClass::Contact ? "X0001.2" : "Y0003.4";
        return check(data);
    }
    std::optional<int> RunFunctionDialog(int) override { return 3; }  // TMR
    bool RunOperandDialog(COperandTable& table) override { return table.EditRow(0, "0007"); }
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string&, const std::string&) override {
        return std::make_pair(std::string("note"), std::string());
    }
    bool RunElemCommentDialog(CElemCommentData&, const ElemCommentCheck&) override { return false; }
    std::optional<std::string> RunFindDialog(const std::string&) override { return findText; }
    bool RunBatchDialog(CBatchDialogData& data) override {
        data = CBatchDialogData{4, "0", "9999", 1, 1};  // every R address, whole ladder
        return true;
    }

    std::string findText = "G9999.7";
};

// A document holding every row of a generated project in one ladder of exactly `rows` rows,
// as a ladder file document holds the project's file, with one view.
struct CEditorBench {
    explicit CEditorBench(std::int64_t rows) {
        CLadderList list;
        bench::CProjectShape shape;
        shape.seed = 7;
        shape.rows = static_cast<int>(rows);
        shape.subprograms = rows >= 1000 ? 16 : 0;
        bench::GenerateProject(list, shape);
        doc.OnNewDocument();
        CLadder& ladder = doc.GetLadder();
        ladder.DeleteAllRows();
        for (const CLadder& program : list) {
            for (const CLDRow& row : program) {
                ladder.InsertRow(ladder.RowCount(), &row);
            }
        }
        // The generator counts its rows its own way for small shapes; even it out.
        while (ladder.RowCount() > rows) {
            ladder.RemoveRow(ladder.RowCount() - 1);
        }
        while (ladder.RowCount() < rows) {
            ladder.InsertRow(ladder.RowCount());
        }
        doc.History().Clear();
        view.OnInitialUpdate();
    }

    test::CQuietProject project;
    test::CSilentMessages messages;
    CMemoryClipboard clipboard;
    CFixedDialogs dialogs;
    CLadderDoc doc{project, messages};
    CLadderView view{doc, dialogs, clipboard};
};

using Command = void (CLadderView::*)();

// The display row of the first row from the middle on whose column 1 holds a plain cell (no
// block covers it), so that the command changes cells and not the ladder's shape.
int PlainRowNearTheMiddle(const CLadder& ladder) {
    for (int row = ladder.RowCount() / 2; row < ladder.RowCount(); ++row) {
        const int display = ladder.DisplayRowOf(row);
        std::optional<CElemInfo> at = ladder.Locate(display, 1);
        if (at && at->cell != nullptr && !at->cell->IsFunc() && at->row == row &&
            ladder.GetRow(row)->Extent() == 1 &&
            (row == 0 || !ladder.GetRow(row - 1)->IsComment())) {
            return display;
        }
    }
    return 0;
}

// One command at a plain cell in the middle of the program, then its undo.
void RunCommand(benchmark::State& state, Command command) {
    CEditorBench b(state.range(0));
    const int row = PlainRowNearTheMiddle(b.doc.GetLadder());
    std::size_t bytes = 0;
    int records = 0;
    for (auto _ : state) {
        b.view.SetCaret(row, 1, false);
        const int first = b.doc.History().Position();
        (b.view.*command)();
        bytes = 0;
        records = b.doc.History().Count() - first;
        for (int i = first; i < b.doc.History().Count(); ++i) {
            bytes += b.doc.History().Record(i).Length();
        }
        b.view.OnUndo();
    }
    state.counters["undo_bytes"] = static_cast<double>(bytes);
    state.counters["records"] = records;
}

void BM_Contact(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnContact);
}
void BM_Coil(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnCoil);
}
void BM_LineRight(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnLineRight);
}
void BM_InsertRow(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnInsertRow);
}
void BM_Function(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnFunction);
}
void BM_Backspace(benchmark::State& state) {
    RunCommand(state, &CLadderView::OnBackspace);
}
BENCHMARK(BM_Contact)->Arg(100)->Arg(65535);
BENCHMARK(BM_Coil)->Arg(100)->Arg(65535);
BENCHMARK(BM_LineRight)->Arg(100)->Arg(65535);
BENCHMARK(BM_Backspace)->Arg(100)->Arg(65535);
BENCHMARK(BM_InsertRow)->Arg(100)->Arg(65535);
BENCHMARK(BM_Function)->Arg(100)->Arg(65535);

void PerRow(benchmark::State& state) {
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every R address of the whole ladder moved by one, then the batch undone.
void BM_BatchWholeLadder(benchmark::State& state) {
    CEditorBench b(state.range(0));
    int records = 0;
    for (auto _ : state) {
        b.view.OnEditBatch();
        records = b.doc.History().Count();
        b.view.OnUndo();
    }
    state.counters["records"] = records;
    PerRow(state);
}
BENCHMARK(BM_BatchWholeLadder)->Arg(16384)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);

// A Find that matches nothing: the symbol search and the key search each run to the end and
// again from the top.
void BM_FindNothing(benchmark::State& state) {
    CEditorBench b(state.range(0));
    for (auto _ : state) {
        b.view.SetCaret(0, 0, false);
        b.view.OnFind();
    }
    if (b.view.CaretRow() != 0) {
        state.SkipWithError("the search text was found");
    }
    PerRow(state);
}
BENCHMARK(BM_FindNothing)->Arg(16384)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);

// A Repeat that finds the next contact of an address used all over the program.
void BM_FindAndRepeat(benchmark::State& state) {
    CEditorBench b(state.range(0));
    b.dialogs.findText = "TMR";
    b.view.SetCaret(0, 0, false);
    b.view.OnFind();
    for (auto _ : state) {
        b.view.OnRepeat();
    }
}
BENCHMARK(BM_FindAndRepeat)->Arg(100)->Arg(65535);

}  // namespace
}  // namespace varno
