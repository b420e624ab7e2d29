// The open ladder documents of a project, and the rules by which the workspace opens and closes
// them. A document of a ladder file edits the file as a whole (its path holds a full stop); a
// document of a program edits one program of the project's list (its path is the program name).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/ladder_doc.h"

namespace varno {

class CLadderDocList {
public:
    CLadderDocList(ILadderProject& project, IMessageService& messages)
        : project_(project), messages_(messages) {}
    CLadderDocList(const CLadderDocList&) = delete;
    CLadderDocList& operator=(const CLadderDocList&) = delete;

    // Told just before a document closes, so that its views can go first.
    std::function<void(CLadderDoc&)> onClose;

    // The open document of the program, or a new one on it. Without such a program:
    // "File create failed!" and null.
    CLadderDoc* OpenProgram(const std::string& name);
    // The open document of the ladder file, or a new one read from it. A file that cannot be
    // opened: "File create failed!" and null.
    CLadderDoc* OpenFile(const std::string& path);

    // With check: a changed file document stops the walk with the request to save or close it
    // first (-1; documents closed before stay closed), unchanged file documents are closed and
    // program documents kept. Without check: program documents are closed, file documents
    // kept. 1 when a document was closed, else 0.
    int CloseLadderDocuments(bool check);
    // Closes the documents that edit the program of that name.
    void CloseProgramDocument(const std::string& name);
    void Close(CLadderDoc& doc);

    const std::vector<std::unique_ptr<CLadderDoc>>& Documents() const { return docs_; }

private:
    ILadderProject& project_;
    IMessageService& messages_;
    std::vector<std::unique_ptr<CLadderDoc>> docs_;
};

}  // namespace varno
