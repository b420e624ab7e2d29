#include "app/windows/param_registration.h"

#include <QFile>

#include "app/qt_text.h"
#include "app/shell/document_types.h"
#include "app/shell/main_frame.h"
#include "app/windows/param_frame.h"
#include "app/windows/param_view.h"
#include "platform/strings/app_windows.h"

namespace varno {

void RegisterParamWindow(CMainFrame& frame) {
    // The document strings of the edition: ".pam" in English, ".par" in Chinese.
    frame.DocumentTypes().Register(
        {DocKind::Parameter,
         IDS_PARAM_FILE_DOC,
         Tr(IDS_PARAM_FILE_EXTENSION),
         [&frame](const CDocumentRequest& request) -> QWidget* {
             CParamFrame* window =
                 CParamFrame::Open({frame.App().Comments(), frame.Messages()},
                                   QFile::encodeName(request.key).toStdString(), request.create);
             if (window != nullptr) {
                 QObject::connect(&frame, &CMainFrame::ViewsUpdateRequested, window,
                                  [window](DocKind kind) {
                                      if (kind == DocKind::Parameter) {
                                          window->View()->OnCurrentTableChanged();
                                      }
                                  });
             }
             return window;
         },
         {}});
}

}  // namespace varno
