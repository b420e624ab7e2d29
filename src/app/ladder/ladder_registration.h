// The ladder window inside the main window: a program of the project or a ladder file opens in
// its own CLadderFrame, which carries its menus, toolbar and function chooser with it.
#pragma once

namespace varno {

class CMainFrame;

// Registers the ladder document type; the services the windows share live as long as frame.
void RegisterLadderWindow(CMainFrame& frame);

}  // namespace varno
