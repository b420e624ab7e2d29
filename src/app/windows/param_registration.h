// The parameter window inside the main window: the workspace's parameter node opens the
// project's parameter file (creating it when it is missing).
#pragma once

namespace varno {

class CMainFrame;

void RegisterParamWindow(CMainFrame& frame);

}  // namespace varno
