// What a ladder document needs from the open project: the program list it edits programs of,
// the element comments, the ladders-modified flag, and saving and reloading the program list.
// The application object answers it in the desktop application and the command-line tool;
// tests answer it from memory.
#pragma once

#include <string>

#include "comments/comment_list.h"
#include "model/ladder_list.h"

namespace varno {

class ILadderProject {
public:
    virtual ~ILadderProject() = default;

    virtual CLadderList& Programs() = 0;
    virtual CCommentList& Comments() = 0;

    virtual bool IsLaddersModified() const = 0;
    virtual void SetLaddersModified(bool modified) = 0;

    // Writes the program list to the path, or to the project's ladder file when the path is
    // empty, and clears the ladders-modified flag. False when it could not be written (the
    // reason in *error); throws CFileException for a write that failed on the way.
    virtual bool SavePrograms(const std::string& path, std::string* error) = 0;
    // Reads the program list again from the project's ladder file, after a ladder file
    // document was saved to savedFile. Documents editing programs of the old list are closed
    // first, so that nothing keeps using a discarded program.
    virtual void ReloadPrograms(const std::string& savedFile) = 0;
    // The windows that show project data besides the ladders (comments, parameters, workspace
    // labels) should show it again.
    virtual void RefreshProjectViews() {}
};

}  // namespace varno
