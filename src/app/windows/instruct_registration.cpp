#include "app/windows/instruct_registration.h"

#include <QFile>

#include "app/qt_ui_post.h"
#include "app/shell/document_types.h"
#include "app/shell/main_frame.h"
#include "app/windows/instruct_frame.h"
#include "app/windows/instruct_view.h"
#include "platform/strings/app_shell.h"
#include "project/file_watch.h"

namespace varno {

namespace {

class CInstructServices final : public QObject {
public:
    explicit CInstructServices(CMainFrame& frame) : QObject(&frame), frame_(frame), watch_(post_) {}

    QWidget* Open(const CDocumentRequest& request) {
        const CInstructWindowContext context{*frame_.MdiArea(), watch_, &reloadAll_,
                                             frame_.Messages()};
        return CreateInstructView(context, QFile::encodeName(request.key).toStdString());
    }

private:
    CMainFrame& frame_;
    CQtUiPost post_;
    CFileWatch watch_;
    // Answers every change without asking until the user turns it off in the question.
    int reloadAll_ = 1;
};

}  // namespace

void RegisterInstructWindow(CMainFrame& frame) {
    auto* services = new CInstructServices(frame);
    frame.DocumentTypes().Register(
        {DocKind::Instruction,
         IDS_TREE_INSTRUCTION,
         ".txt",
         [services](const CDocumentRequest& request) { return services->Open(request); },
         {}});
}

}  // namespace varno
