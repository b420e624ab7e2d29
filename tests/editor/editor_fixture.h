// Test doubles for the editor: a project held in memory, dialogs answered from queues, and a
// fixture with one document and one view over a ladder the test builds.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor_dialogs.h"
#include "editor/ladder_doc.h"
#include "editor/ladder_project.h"
#include "editor/ladder_view.h"
#include "model/ladder_builders.h"
#include "platform/clipboard.h"
#include "support/recording_services.h"

namespace varno::test {

class CMemoryProject final : public ILadderProject {
public:
    CLadderList& Programs() override { return programs; }
    CCommentList& Comments() override { return comments; }
    bool IsLaddersModified() const override { return laddersModified; }
    void SetLaddersModified(bool modified) override { laddersModified = modified; }
    // Saves to the path, or to ladderFile.
    bool SavePrograms(const std::string& path, std::string* error) override;
    // Reads ladderFile again.
    void ReloadPrograms(const std::string& savedFile) override;
    void RefreshProjectViews() override { ++refreshes; }

    CLadderList programs;
    CCommentList comments;
    bool laddersModified = false;
    std::string ladderFile;
    int reloads = 0;
    std::string savedFile;
    int refreshes = 0;
};

// Each Run... takes the next answer of its queue; an empty queue answers Cancel. What the
// dialogs were opened with is kept for the test to look at.
class CQueuedDialogs final : public IEditorDialogs {
public:
    std::optional<CElementChoice> RunElementDialog(ElementClass cls, CElementDialogData data,
                                                   const ElementCheck& check) override;
    std::optional<int> RunFunctionDialog(int preselected) override;
    bool RunOperandDialog(COperandTable& table) override;
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string& comment1, const std::string& comment2) override;
    bool RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) override;
    std::optional<std::string> RunFindDialog(const std::string& text) override;
    bool RunBatchDialog(CBatchDialogData& data) override;

    // An answer: the values typed (nullopt for Cancel). A refused element or element comment
    // answer cancels the dialog afterwards, as a script does.
    std::deque<std::optional<CElementDialogData>> elements;
    std::deque<std::optional<int>> functions;
    std::deque<std::optional<std::vector<std::string>>> operands;  // texts, row by row
    std::deque<std::optional<std::pair<std::string, std::string>>> commentRows;
    std::deque<std::optional<CElemCommentData>> elemComments;  // symbol and comments used
    std::deque<std::optional<std::string>> finds;
    std::deque<std::optional<CBatchDialogData>> batches;

    std::vector<CElementDialogData> elementsShown;
    std::vector<ElementClass> elementClasses;
    std::vector<int> functionsShown;
    std::vector<std::vector<std::string>> operandsShown;
    std::vector<std::pair<std::string, std::string>> commentRowsShown;
    std::vector<CElemCommentData> elemCommentsShown;
    std::vector<std::string> findsShown;
    std::vector<CBatchDialogData> batchesShown;
};

// A document on its own ladder with one view, both set up as a window opens them.
struct CEditorFixture {
    CEditorFixture();
    // The ladder with `rows` blank element rows; the view then gets its first update.
    void Reset(int rows);

    CRecordingMessages messages;
    CMemoryProject project;
    CMemoryClipboard clipboard;
    CQueuedDialogs dialogs;
    CLadderDoc doc{project, messages};
    CLadderView view{doc, dialogs, clipboard};

    CLadder& L() { return doc.GetLadder(); }
    // Cell kind at (row, column), -1 where there is no cell.
    int Kind(int row, int column) {
        return L().GetCell(row, column) ? L().GetCell(row, column)->Kind() : -1;
    }
};

// The ladder's rows in their row byte form, for comparing states.
std::vector<std::string> Snapshot(const CLadder& ladder);

CLDCell WireCell();

}  // namespace varno::test
