// The ladder window on a short program (100 rows) and on the longest a ladder file holds
// (65535), scrolled to its end: a command from the window's command table plus the repaint it
// causes should fit one 60 Hz frame (16 ms) and cost about the same on both.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <stdexcept>

#include "app/ladder/ladder_command_ids.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "program_generator.h"
#include "support/quiet_services.h"

namespace varno {
namespace {

class CFixedDialogs final : public IEditorDialogs {
public:
    std::optional<CElementChoice> RunElementDialog(ElementClass, CElementDialogData data,
                                                   const ElementCheck& check) override {
        data.typeIndex = 0;
        data.address = "X0001.2";
        return check(data);
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

// A shown window whose ladder holds every row of a generated project, caret on the last row.
struct CWindowBench {
    explicit CWindowBench(std::int64_t rows) {
        CLadderContext context{&project, &messages, &output, &dialogs, &clipboard, nullptr};
        frame.reset(CLadderFrame::Open(context, std::string()));
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        CLadderList list;
        bench::CProjectShape shape;
        shape.seed = 7;
        shape.rows = static_cast<int>(rows);
        shape.subprograms = rows >= 1000 ? 16 : 0;
        bench::GenerateProject(list, shape);
        CLadder& ladder = frame->Doc().GetLadder();
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
        frame->Doc().History().Clear();
        frame->resize(1280, 800);
        frame->show();
        frame->Doc().UpdateAllViews(HINT_LAYOUT);
        frame->Commands().Run(ID_CTRL_END);
        Paint();
        if (frame->View().CaretRow() + 1 != ladder.DisplayRowCount()) {
            throw std::runtime_error("the caret is not on the last row");
        }
    }

    // A paint of the whole client area, as the window system asks for it after the command.
    void Paint() { benchmark::DoNotOptimize(frame->Widget()->viewport()->grab()); }

    test::CQuietProject project;
    test::CSilentMessages messages;
    test::CNullOutput output;
    CMemoryClipboard clipboard;
    CFixedDialogs dialogs;
    std::unique_ptr<CLadderFrame> frame;
};

// The command and its repaint are timed; what puts the window back for the next round is not.
void RunTimed(benchmark::State& state, int command, int restore) {
    CWindowBench b(state.range(0));
    for (auto _ : state) {
        b.frame->Commands().Run(command);
        b.Paint();
        state.PauseTiming();
        if (restore != 0) {
            b.frame->Commands().Run(restore);
        }
        b.frame->Commands().Run(ID_CTRL_END);
        b.Paint();
        state.ResumeTiming();
    }
}

void BM_WindowContact(benchmark::State& state) {
    RunTimed(state, ID_CONTACT, ID_UNDO);
}
// The paint alone, for comparison.
void BM_WindowPaint(benchmark::State& state) {
    CWindowBench b(state.range(0));
    for (auto _ : state) {
        b.Paint();
    }
}
void BM_WindowInsertRow(benchmark::State& state) {
    RunTimed(state, ID_INSERT_ROW, ID_UNDO);
}
void BM_WindowPageDown(benchmark::State& state) {
    CWindowBench b(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        b.frame->Commands().Run(ID_PAGE_UP);
        b.Paint();
        state.ResumeTiming();
        b.frame->Commands().Run(ID_PAGE_DOWN);
        b.Paint();
    }
}
void BM_WindowUndo(benchmark::State& state) {
    CWindowBench b(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        b.frame->Commands().Run(ID_CTRL_END);
        b.frame->Commands().Run(ID_CONTACT);
        b.Paint();
        state.ResumeTiming();
        b.frame->Commands().Run(ID_UNDO);
        b.Paint();
    }
}
BENCHMARK(BM_WindowPaint)->Arg(100)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowContact)->Arg(100)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowUndo)->Arg(100)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowInsertRow)->Arg(100)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowPageDown)->Arg(100)->Arg(65535)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varno

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
