// The instruction window inside the main window: the workspace's instruction node opens the
// instruction file, watched for changes made outside the window.
#pragma once

namespace varno {

class CMainFrame;

// Registers the instruction document type. The file watch its windows share is a child of
// frame created after the multiple-document area, so it outlives every window.
void RegisterInstructWindow(CMainFrame& frame);

}  // namespace varno
