#include "app/ladder/ladder_registration.h"

#include "app/dialogs/qt_editor_dialogs.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/qt_clipboard.h"
#include "app/qt_text.h"
#include "app/shell/document_types.h"
#include "app/shell/main_frame.h"
#include "editor/app_ladder_project.h"
#include "platform/strings/app_ladder.h"

namespace varno {

namespace {

// What every ladder window of one main window shares.
class CLadderServices final : public QObject {
public:
    explicit CLadderServices(CMainFrame& frame)
        : QObject(&frame), frame_(frame), project_(frame.App()), dialogs_(&frame) {
        project_.closeProgramDocuments = [this] { frame_.CloseLadderDocuments(false); };
        project_.refreshProjectViews = [this] { frame_.UpdateProjectViews(0); };
    }

    QWidget* Open(const CDocumentRequest& request) {
        CLadderContext context;
        context.project = &project_;
        context.messages = &frame_.Messages();
        context.output = &frame_;
        context.dialogs = &dialogs_;
        context.clipboard = &clipboard_;
        context.app = &frame_.App();
        context.inMainWindow = true;
        context.checkProject = [this](bool shown) { frame_.RequestCheck(shown); };
        context.crossReference = [this](const std::string& pattern) {
            frame_.RequestCrossReference(FromGbk(pattern));
        };
        CLadderFrame* window =
            CLadderFrame::Open(context, request.create ? std::string() : ToGbk(request.key));
        if (window != nullptr && request.create) {
            window->Doc().SetPathName(request.key.toStdString());
        }
        return window;
    }

private:
    CMainFrame& frame_;
    CAppLadderProject project_;
    CQtEditorDialogs dialogs_;
    CQtClipboard clipboard_;
};

}  // namespace

void RegisterLadderWindow(CMainFrame& frame) {
    auto* services = new CLadderServices(frame);
    frame.DocumentTypes().Register(
        {DocKind::Ladder,
         IDS_LADDER_FILE_FILTER,
         ".vld",
         [services](const CDocumentRequest& request) { return services->Open(request); },
         {}});
}

}  // namespace varno
