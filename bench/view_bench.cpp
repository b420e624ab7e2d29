// The ladder window's paint and the printed pages' pagination. One paint of a 1280 x 900
// window should cost the same at the top of a short program and anywhere in the longest a
// ladder file holds (65535 rows); pagination walks every row once, so its time per row should
// stay flat as the rows double.
#include <benchmark/benchmark.h>

#include "editor/ladder_doc.h"
#include "editor/ladder_view.h"
#include "editor/recording_surface.h"
#include "program_generator.h"
#include "support/quiet_services.h"

namespace varno {
namespace {

class CNoDialogs final : public IEditorDialogs {
public:
    std::optional<CElementChoice> RunElementDialog(ElementClass, CElementDialogData,
                                                   const ElementCheck&) override {
        return std::nullopt;
    }
    std::optional<int> RunFunctionDialog(int) override { return std::nullopt; }
    bool RunOperandDialog(COperandTable&) override { return false; }
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool RunElemCommentDialog(CElemCommentData&, const ElemCommentCheck&) override { return false; }
    std::optional<std::string> RunFindDialog(const std::string&) override { return std::nullopt; }
    bool RunBatchDialog(CBatchDialogData&) override { return false; }
};

// A document holding a generated program of exactly `rows` rows, shown in a 1280 x 900 view.
struct CViewBench {
    explicit CViewBench(std::int64_t rows) {
        CLadderList list;
        bench::CProjectShape shape;
        shape.seed = 11;
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
        while (ladder.RowCount() > rows) {
            ladder.RemoveRow(ladder.RowCount() - 1);
        }
        while (ladder.RowCount() < rows) {
            ladder.InsertRow(ladder.RowCount());
        }
        doc.History().Clear();
        view.SetClientSize(1280, 900);
        view.OnInitialUpdate();
    }

    test::CQuietProject project;
    test::CSilentMessages messages;
    CMemoryClipboard clipboard;
    CNoDialogs dialogs;
    CLadderDoc doc{project, messages};
    CLadderView view{doc, dialogs, clipboard};
};

enum Where { TOP, MIDDLE, END };

void Paint(benchmark::State& state, std::int64_t rows, Where where) {
    CViewBench b(rows);
    const CSize limit = b.view.Scroll().Limit();
    b.view.ScrollBy(0, where == TOP ? 0 : where == MIDDLE ? limit.cy / 2 : limit.cy);
    CRecordingSurface surface;
    std::size_t calls = 0;
    for (auto _ : state) {
        surface.Clear();
        b.view.Paint(surface);
        calls = surface.Calls().size();
    }
    state.counters["calls"] = static_cast<double>(calls);
    state.counters["top_y"] = b.view.Scroll().Position().y;
}

void BM_PaintTop100(benchmark::State& state) {
    Paint(state, 100, TOP);
}
void BM_PaintTop65535(benchmark::State& state) {
    Paint(state, 65535, TOP);
}
void BM_PaintMiddle65535(benchmark::State& state) {
    Paint(state, 65535, MIDDLE);
}
void BM_PaintEnd65535(benchmark::State& state) {
    Paint(state, 65535, END);
}
BENCHMARK(BM_PaintTop100);
BENCHMARK(BM_PaintTop65535);
BENCHMARK(BM_PaintMiddle65535);
BENCHMARK(BM_PaintEnd65535);

// Page starts of A4 portrait at 600 dpi for the whole ladder.
void BM_Paginate(benchmark::State& state) {
    CViewBench b(state.range(0));
    int pages = 0;
    for (auto _ : state) {
        pages = b.view.PreparePrinting(4961, 7016, 600, 600);
    }
    state.counters["pages"] = pages;
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Paginate)->Arg(16384)->Arg(32768)->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varno
