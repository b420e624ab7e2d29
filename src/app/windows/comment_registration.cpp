#include "app/windows/comment_registration.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/qt_text.h"
#include "app/shell/document_types.h"
#include "app/shell/main_frame.h"
#include "app/windows/comment_frame.h"
#include "platform/strings/app_windows.h"

namespace varno {

namespace {

CCommentFrame* ActiveCommentFrame(CMainFrame& frame) {
    QMdiSubWindow* active = frame.MdiArea()->activeSubWindow();
    return active == nullptr ? nullptr : qobject_cast<CCommentFrame*>(active->widget());
}

QWidget* OpenCommentWindow(CMainFrame& frame, const CDocumentRequest& request) {
    // Without a project the table would be edited for nobody and lost.
    if (!frame.IsProjectOpen()) {
        frame.Messages().ShowMessage(IDS_CAPTION_ERROR, IDS_COMMENT_NO_PROJECT, MbIcon::Error);
        return nullptr;
    }
    auto* window = new CCommentFrame({frame.App(), frame.Messages(), frame}, request.key);
    QObject::connect(&frame, &CMainFrame::ViewsUpdateRequested, window, [window](DocKind kind) {
        if (kind == DocKind::Comment) {
            window->Refresh();
        }
    });
    return window;
}

}  // namespace

void RegisterCommentWindow(CMainFrame& frame) {
    auto* tool = new QMenu(Tr(IDS_COMMENT_MENU_TOOL), &frame);
    QAction* generate = tool->addAction(Tr(IDS_CMD_GENERATE_COMMENT_FILE).section('\n', 0, 0));
    generate->setObjectName("GenerateCommentFileMenu");
    QObject::connect(generate, &QAction::triggered, &frame, [&frame] {
        if (CCommentFrame* window = ActiveCommentFrame(frame)) {
            window->GenerateCommentFile();
        }
    });
    frame.DocumentTypes().Register(
        {DocKind::Comment,
         IDS_COMMENT_FILE_DOC,
         ".cmt",
         [&frame](const CDocumentRequest& request) { return OpenCommentWindow(frame, request); },
         {tool}});
}

}  // namespace varno
