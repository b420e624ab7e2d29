#include "app/shell/document_registrations.h"

#include "app/ladder/ladder_registration.h"
#include "app/shell/main_frame.h"
#include "app/windows/comment_registration.h"
#include "app/windows/instruct_registration.h"
#include "app/windows/param_registration.h"

namespace varno {

// The ladder, instruction, comment and parameter windows add their Register call here, in that
// order, as each is built; until then their workspace commands stay disabled.
void RegisterDocumentTypes(CMainFrame& frame) {
    RegisterLadderWindow(frame);
    RegisterInstructWindow(frame);
    RegisterCommentWindow(frame);
    RegisterParamWindow(frame);
}

}  // namespace varno
