// The comment window inside the main window: the workspace's element comment node opens it on
// the project's comments; its Tool menu writes the compiled comment file.
#pragma once

namespace varno {

class CMainFrame;

void RegisterCommentWindow(CMainFrame& frame);

}  // namespace varno
