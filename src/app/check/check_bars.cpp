#include "app/check/check_bars.h"

#include <QLineEdit>
#include <QMdiSubWindow>

#include "app/check/check_command_ids.h"
#include "app/check/diagnostics_bar.h"
#include "app/check/xref_bar.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "app/shell/output_bar.h"
#include "platform/strings/app_check.h"

namespace varno {

namespace {

// Opens (or activates) the program's window with the caret on the cell.
void ShowCell(CMainFrame& frame, const std::string& program, int row, int column) {
    QMdiSubWindow* window = frame.OpenProgram(program);
    auto* ladder = window != nullptr ? qobject_cast<CLadderFrame*>(window->widget()) : nullptr;
    if (ladder == nullptr) {
        return;
    }
    ladder->View().GoToCell(row, column);
    ladder->RefreshState();
    ladder->Widget()->setFocus();
}

void ShowBar(QDockWidget* bar) {
    bar->show();
    bar->raise();
}

}  // namespace

void RegisterCheckBars(CMainFrame& frame) {
    QAction* check = frame.Commands().Add({ID_CHECK_PROJECT,
                                           IDS_CMD_CHECK_PROJECT,
                                           {},
                                           [&frame] { frame.RequestCheck(true); },
                                           [&frame] { return frame.IsProjectOpen(); }});
    auto* diagnostics = new CDiagnosticsBar(check, &frame);
    auto* xref = new CXrefBar(
        [&frame](const std::string& pattern) {
            if (!frame.IsProjectOpen()) {
                return CCrossReference();
            }
            return BuildCrossReference(frame.App().Programs(), frame.App().Comments(),
                                       CAddressPattern(pattern));
        },
        &frame);
    // Beside the output as tabs, out of sight until first asked for.
    auto dock = [&frame](QDockWidget* bar, int barId, int viewId, StrId viewText) {
        frame.AddDockBar(bar, barId, Qt::BottomDockWidgetArea);
        frame.tabifyDockWidget(frame.OutputBar(), bar);
        bar->hide();
        frame.AddViewToggle(viewId, viewText, bar);
    };
    dock(diagnostics, CDiagnosticsBar::BAR_ID, ID_VIEW_DIAGNOSTICS, IDS_CMD_VIEW_DIAGNOSTICS);
    dock(xref, CXrefBar::BAR_ID, ID_VIEW_XREF, IDS_CMD_VIEW_XREF);

    QObject::connect(&frame, &CMainFrame::CheckRequested, diagnostics,
                     [&frame, diagnostics](bool shown) {
                         if (!frame.IsProjectOpen()) {
                             return;
                         }
                         const CCheckResult result = CheckProject(frame.App().Programs());
                         diagnostics->ShowResult(result);
                         if (shown || result.errors > 0 || result.warnings > 0) {
                             ShowBar(diagnostics);
                         }
                     });
    QObject::connect(&frame, &CMainFrame::CrossReferenceRequested, xref,
                     [xref](const QString& pattern) {
                         ShowBar(xref);
                         if (pattern.isEmpty()) {
                             xref->Field()->setFocus();
                             xref->Field()->selectAll();
                         } else {
                             xref->Lookup(pattern);
                         }
                     });
    auto jump = [&frame](const std::string& program, int row, int column) {
        ShowCell(frame, program, row, column);
    };
    QObject::connect(diagnostics, &CDiagnosticsBar::CellRequested, &frame, jump);
    QObject::connect(xref, &CXrefBar::CellRequested, &frame, jump);
    for (auto signal : {&CMainFrame::ProjectOpened, &CMainFrame::ProjectClosed}) {
        QObject::connect(&frame, signal, diagnostics, [diagnostics, xref] {
            diagnostics->Clear();
            xref->Clear();
        });
    }
}

}  // namespace varno
