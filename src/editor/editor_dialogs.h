// The dialogs the ladder view's commands open. Each is answered by whoever drives the view: the
// window's real dialogs, the script runner, or a test. What a dialog checks on OK is core code
// (dialog_checks.h, operand_table.h) handed to it, so that every answer is checked alike.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "editor/dialog_checks.h"
#include "editor/operand_table.h"
#include "model/address.h"

namespace varno {

class IEditorDialogs {
public:
    using ElementCheck = std::function<std::optional<CElementChoice>(CElementDialogData&)>;
    using ElemCommentCheck = std::function<bool(const CElemCommentData&)>;

    virtual ~IEditorDialogs() = default;

    // The contact (Contact class) or coil dialog, filled with data. On OK the dialog hands its
    // values to check; a nullopt answer means the check refused them (it has told the user
    // why) and the dialog stays open. Returns the accepted choice, or nullopt for Cancel.
    virtual std::optional<CElementChoice> RunElementDialog(ElementClass cls,
                                                           CElementDialogData data,
                                                           const ElementCheck& check) = 0;
    // The function choice with an instruction pre-selected (0 for none). The number chosen on
    // OK (0 when nothing is selected), nullopt for Cancel.
    virtual std::optional<int> RunFunctionDialog(int preselected) = 0;
    // The operand dialog over the table; true for OK.
    virtual bool RunOperandDialog(COperandTable& table) = 0;
    // A comment row's two texts; nullopt for Cancel.
    virtual std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string& comment1, const std::string& comment2) = 0;
    // The element comment dialog in modify mode (the address read-only). On OK the values go
    // to check; false keeps the dialog open. True when it closed with OK, data then holding
    // the values.
    virtual bool RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) = 0;
    // The find dialog with its text; the text on OK, nullopt for Cancel.
    virtual std::optional<std::string> RunFindDialog(const std::string& text) = 0;
    // The batch dialog; true for OK, data then holding its values.
    virtual bool RunBatchDialog(CBatchDialogData& data) = 0;
};

}  // namespace varno
