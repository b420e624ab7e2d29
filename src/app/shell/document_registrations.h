// The one place where the document windows and extra docking bars join the main window.
#pragma once

namespace varno {

class CMainFrame;

// Registers each document type whose window exists (see document_types.h) and adds the
// docking bars beyond the output bar and the workspace (see CMainFrame::AddDockBar).
void RegisterDocumentTypes(CMainFrame& frame);

}  // namespace varno
