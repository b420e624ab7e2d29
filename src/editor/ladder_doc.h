// CLadderDoc: the document behind a ladder window. It edits one CLadder: a program of the
// project's program list (found by name, owned by the list), or a ladder file opened by its
// path and held in the document's own ladder. Every change goes through the primitive edits
// below, which record undo data and mark the document modified; the views are then told with
// an update hint what to recompute.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/ladder_project.h"
#include "editor/undo_history.h"
#include "model/ladder.h"
#include "platform/message_service.h"

namespace varno {

// Update hints a document sends its views.
inline constexpr int HINT_LAYOUT = 0;   // everything may have changed: recompute all
inline constexpr int HINT_ROWS = 1;     // rows were added or removed
inline constexpr int HINT_REPAINT = 2;  // only cell contents changed

class ILadderDocView {
public:
    virtual ~ILadderDocView() = default;
    virtual void OnUpdate(int hint) = 0;
};

class CLadderDoc {
public:
    CLadderDoc(ILadderProject& project, IMessageService& messages);
    ~CLadderDoc();
    CLadderDoc(const CLadderDoc&) = delete;
    CLadderDoc& operator=(const CLadderDoc&) = delete;

    // --- Opening and saving ------------------------------------------------------------------
    // A new document: its own ladder with one empty element row, unmodified.
    void OnNewDocument();
    // A name holding a full stop is a ladder file path, anything else a program name (exact,
    // case-sensitive). False when there is no such program or the file cannot be opened. A file
    // that is not a ladder file, or whose rows stop short, shows "Can't recognize the file!" and
    // still opens with the rows read so far.
    bool OnOpenDocument(const std::string& name);
    // Own ladder: writes the ladder file (replacing the old one only once complete), then has
    // the project reload its program list. Project program: saves the whole program list to the
    // path, or to the project's ladder file when the path is empty. False when nothing could be
    // written (the reason is shown); a write that fails on the way throws CFileException.
    bool OnSaveDocument(const std::string& path);
    // Saves under the document's path (the project's ladder file for a program).
    bool Save();
    const std::string& PathName() const { return pathName_; }
    // Stores the path; it is never added to a recent-file list.
    void SetPathName(std::string path) { pathName_ = std::move(path); }

    CLadder& GetLadder() const { return *ladder_; }
    bool IsOwnLadder() const { return ladder_ == &ownLadder_; }
    // The document's own flag for its own ladder; false for a project program, whose changes
    // the project's ladders-modified flag tracks.
    bool IsModified() const;
    void SetModified(bool modified);
    ILadderProject& Project() const { return project_; }
    IMessageService& Messages() const { return messages_; }

    // --- Primitive edits (rows are list indexes, columns 0..7) -----------------------------------
    // count copies of row (blank element rows when null) at index at, each recorded.
    void InsertRows(int at, const CLDRow* row, int count);
    void DeleteRow(int row);
    // Behaves as count calls of DeleteRow(first), moving the rows below only once.
    void DeleteRows(int first, int count);
    // Clears the element at the cell (a block: its whole area); a comment row, or a missing
    // row, is replaced by an empty element row.
    void ClearCell(int row, int column);
    // Makes sure a row lies below the element, clears the cell and puts the element there
    // (a block is laid out without lines). The placed cell, or null.
    CLDCell* PlaceElement(int row, int column, const CLDCell& element);
    // Horizontal wires over columns from..to (to < 1 means 7). A block head in the range is
    // recorded and its whole area cleared first, so that one undo restores the block.
    void DrawLineRight(int row, int from, int to);
    void AddVerticalLine(int row, int column);
    void RemoveVerticalLine(int row, int column);
    void InsertCommentRow(int at, std::string comment1, std::string comment2);
    // Comment 1 (which 0) or comment 2 (which 1) of a comment row; empty otherwise.
    std::string GetCommentText(int row, int which) const;

    // --- Undo -------------------------------------------------------------------------------
    void BeginUndoGroup() { history_.BeginGroup(); }
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // On success the document is modified and its views get hint 1.
    bool Undo();
    bool Redo();
    CUndoHistory& History() { return history_; }
    const CUndoHistory& History() const { return history_; }

    // --- Views ------------------------------------------------------------------------------
    void AddView(ILadderDocView* view);
    void RemoveView(ILadderDocView* view);
    void UpdateAllViews(int hint);
    std::size_t ViewCount() const { return views_.size(); }

private:
    bool OpenFile(const std::string& path);
    void AppendRowsBelow(int row, int needed);

    ILadderProject& project_;
    IMessageService& messages_;
    CLadder ownLadder_;
    CLadder* ladder_ = &ownLadder_;
    CUndoHistory history_;
    bool modified_ = false;
    std::string pathName_;
    std::vector<ILadderDocView*> views_;
    // Symbols and comments drawn beside the elements follow every change of the comments.
    CCommentSubscription commentWatch_;
};

}  // namespace varno
