// The editor's dialogs answered by an edit script line. Each command that opens dialogs gets
// its answer before it runs; a dialog the answer does not fit is a line that cannot be parsed
// (only `property` leaves the shape to the dialog that actually opens).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/edit_script.h"
#include "editor/editor_dialogs.h"

namespace varno {

struct CScriptAnswer {
    bool cancel = false;               // the word `cancel`: every dialog is cancelled
    std::vector<CScriptToken> tokens;  // what is typed into the dialog that opens
    std::optional<int> function;       // the function choice; none answers Cancel
};

class CScriptDialogs final : public IEditorDialogs {
public:
    void SetAnswer(CScriptAnswer answer);
    // Why the answer did not fit the dialog that opened; empty when it did.
    const std::string& ShapeError() const { return shapeError_; }

    std::optional<CElementChoice> RunElementDialog(ElementClass cls, CElementDialogData data,
                                                   const ElementCheck& check) override;
    std::optional<int> RunFunctionDialog(int preselected) override;
    bool RunOperandDialog(COperandTable& table) override;
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string& comment1, const std::string& comment2) override;
    bool RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) override;
    std::optional<std::string> RunFindDialog(const std::string& text) override;
    bool RunBatchDialog(CBatchDialogData& data) override;

private:
    // The answer's tokens when they are `count` (any number for -1); otherwise the shape
    // error is noted and null is returned, as for Cancel.
    const std::vector<CScriptToken>* Tokens(int count, const char* dialog);
    std::string Text(std::size_t index) const;

    CScriptAnswer answer_;
    std::string shapeError_;
};

}  // namespace varno
