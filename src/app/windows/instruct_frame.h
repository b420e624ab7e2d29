// Opening the instruction window: the instruction file in a plain child frame of the
// multiple-document area.
#pragma once

#include <string>

class QMdiArea;
class QMdiSubWindow;

namespace varno {

class CFileWatch;
class CInstructView;
class IMessageService;

// The watch must outlive every window opened with it: a window removes its watch when it goes.
struct CInstructWindowContext {
    QMdiArea& area;
    CFileWatch& watch;
    int* reloadAll;  // the main frame's shared flag
    IMessageService& messages;
};

// The view of the file at path (an operating-system path) with its document, not yet in a
// window: title, modified mark, Save and Print keys set. nullptr when the file cannot be read.
CInstructView* CreateInstructView(const CInstructWindowContext& context, const std::string& path);

// Opens the file at path (an operating-system path), or brings its open window to the front.
// A file that cannot be read opens nothing (nullptr); the workspace has told the user to
// compile first.
CInstructView* OpenInstructWindow(const CInstructWindowContext& context, const std::string& path);

// The open instruction window of path, or nullptr.
CInstructView* FindInstructWindow(QMdiArea& area, const std::string& path);

}  // namespace varno
