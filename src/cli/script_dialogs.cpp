#include "cli/script_dialogs.h"

#include "model/address.h"
#include "platform/codepage.h"

namespace varno {

void CScriptDialogs::SetAnswer(CScriptAnswer answer) {
    answer_ = std::move(answer);
    shapeError_.clear();
}

const std::vector<CScriptToken>* CScriptDialogs::Tokens(int count, const char* dialog) {
    if (answer_.cancel) {
        return nullptr;
    }
    if (count >= 0 && answer_.tokens.size() != static_cast<std::size_t>(count)) {
        shapeError_ =
            std::string("the ") + dialog + " dialog takes " + std::to_string(count) + " answers";
        return nullptr;
    }
    return &answer_.tokens;
}

std::string CScriptDialogs::Text(std::size_t index) const {
    return Utf8ToGbk(answer_.tokens[index].text);
}

std::optional<CElementChoice> CScriptDialogs::RunElementDialog(ElementClass cls,
                                                               CElementDialogData data,
                                                               const ElementCheck& check) {
    const char* name = cls == ElementClass::Contact ? "contact" : "coil";
    const std::vector<CScriptToken>* tokens = Tokens(2, name);
    if (tokens == nullptr) {
        return std::nullopt;
    }
    std::optional<int> type = ScriptInteger((*tokens)[0], 0, 3);
    if (!type) {
        shapeError_ = std::string("the ") + name + " type is 0..3";
        return std::nullopt;
    }
    data.typeIndex = *type;
    data.address = Text(1);
    // A refused address has shown its message; the dialog is then cancelled.
    return check(data);
}

std::optional<int> CScriptDialogs::RunFunctionDialog(int) {
    return answer_.cancel ? std::nullopt : answer_.function;
}

bool CScriptDialogs::RunOperandDialog(COperandTable& table) {
    const std::vector<CScriptToken>* tokens = Tokens(-1, "operand");
    if (tokens == nullptr) {
        return false;
    }
    // One edit per row in row order; an edit of CODB's length adds or removes rows first.
    for (std::size_t i = 0; i < tokens->size() && i < table.RowCount(); ++i) {
        table.EditRow(i, Text(i));
    }
    return true;
}

std::optional<std::pair<std::string, std::string>> CScriptDialogs::RunCommentRowDialog(
    const std::string&, const std::string&) {
    if (Tokens(2, "comment") == nullptr) {
        return std::nullopt;
    }
    return std::make_pair(Text(0), Text(1));
}

bool CScriptDialogs::RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) {
    if (Tokens(3, "element comment") == nullptr) {
        return false;
    }
    CElemCommentData values = data;
    values.symbol = Text(0);
    values.comment1 = Text(1);
    values.comment2 = Text(2);
    if (!check(values)) {
        return false;
    }
    data = values;
    return true;
}

std::optional<std::string> CScriptDialogs::RunFindDialog(const std::string&) {
    if (Tokens(1, "find") == nullptr) {
        return std::nullopt;
    }
    return Text(0);
}

bool CScriptDialogs::RunBatchDialog(CBatchDialogData& data) {
    const std::vector<CScriptToken>* tokens = Tokens(5, "batch");
    if (tokens == nullptr) {
        return false;
    }
    const auto& banks = BatchEditRanges();
    data.typeIndex = -1;
    for (std::size_t i = 0; i < banks.size(); ++i) {
        if ((*tokens)[0].text == std::string(1, banks[i]->bank)) {
            data.typeIndex = static_cast<int>(i);
        }
    }
    data.start = Text(1);
    data.end = Text(2);
    data.amount = static_cast<std::uint32_t>(ScriptInteger((*tokens)[3]).value_or(0));
    data.area = ScriptInteger((*tokens)[4], 0, 1).value_or(0);
    return true;
}

}  // namespace varno
