// One or two ladder windows over a ladder held in memory, with dialogs answered from queues and
// the system clipboard, shown offscreen so that real key and mouse events reach them.
#pragma once

#include <QTest>
#include <memory>

#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/ladder/qt_clipboard.h"
#include "editor_fixture.h"

namespace varno::test {

struct CLadderWindows {
    CRecordingMessages messages;
    CRecordingOutput output;
    CMemoryProject project;
    CQueuedDialogs dialogs;
    CQtClipboard clipboard;

    CLadderContext Context() {
        CLadderContext context;
        context.project = &project;
        context.messages = &messages;
        context.output = &output;
        context.dialogs = &dialogs;
        context.clipboard = &clipboard;
        return context;
    }

    // A new window with `rows` blank rows, shown, the view focused.
    std::unique_ptr<CLadderFrame> Open(int rows = 4) {
        std::unique_ptr<CLadderFrame> frame(CLadderFrame::Open(Context(), std::string()));
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->Doc().InsertRows(0, nullptr, rows - 1);
        frame->Doc().History().Clear();
        frame->Doc().SetModified(false);
        frame->Doc().UpdateAllViews(HINT_LAYOUT);
        frame->resize(1000, 600);
        frame->show();
        frame->activateWindow();
        frame->Widget()->setFocus();
        QTest::qWaitForWindowExposed(frame.get());
        return frame;
    }
};

// A viewport point at the middle of the cell.
inline QPoint CellCentre(CLadderWidget* widget, int displayRow, int column) {
    const CLadder& ladder = widget->View()->Ladder();
    const CRect r = *ladder.CellRect(displayRow, column);
    return widget->ToViewport(QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

}  // namespace varno::test
