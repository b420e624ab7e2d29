// The diagnostics and cross reference bars of the main window: their Check Project command and
// View toggles, the check run for the main window's requests, and the jump from a finding or a
// use to its cell in the program's ladder window.
#pragma once

namespace varno {

class CMainFrame;

void RegisterCheckBars(CMainFrame& frame);

}  // namespace varno
