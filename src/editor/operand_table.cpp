#include "editor/operand_table.h"

#include <algorithm>

#include "editor/dialog_checks.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno {

namespace {

constexpr std::size_t TABLE_LENGTH_ROW = 1;
constexpr std::int32_t MAX_TABLE_LENGTH = 65535;

}  // namespace

COperandTable::COperandTable(int number)
    : number_(number),
      catalogCount_(FuncOperandCount(number)),
      records_(static_cast<std::size_t>(catalogCount_)),
      texts_(records_.size()) {}

void COperandTable::Load(std::span<const CLDCmd> operands) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = static_cast<std::uint8_t>(number_);
    const std::size_t count = std::min(
        operands.size(), static_cast<std::size_t>(std::max(FuncRecordCount(head, operands), 0)));
    records_.assign(operands.begin(), operands.begin() + static_cast<std::ptrdiff_t>(count));
    if (records_.size() < static_cast<std::size_t>(catalogCount_)) {
        records_.resize(static_cast<std::size_t>(catalogCount_));
    }
    texts_.clear();
    for (const CLDCmd& record : records_) {
        texts_.push_back(FormatOperand(record, false));
    }
}

std::string COperandTable::IndexText(std::size_t row) const {
    return Format("%zu", row);
}

std::string COperandTable::DefineText(std::size_t row) const {
    if (row < static_cast<std::size_t>(catalogCount_)) {
        const CFuncTexts* t = FuncTexts(number_);
        return t != nullptr && row < t->operandHints.size() ? t->operandHints[row] : std::string();
    }
    return Format(LoadString(IDS_TABLE_ITEM).c_str(),
                  static_cast<int>(row - static_cast<std::size_t>(catalogCount_)));
}

bool COperandTable::EditRow(std::size_t row, const std::string& text) {
    if (row >= texts_.size()) {
        return false;
    }
    if (number_ != FUNC_CODB || row != TABLE_LENGTH_ROW) {
        texts_[row] = text;
        return true;
    }
    CLDCmd length;
    if (!ParseOperand(text, length) || length.code != LDOPD_CONST || length.Constant() < 0 ||
        length.Constant() > MAX_TABLE_LENGTH) {
        return false;
    }
    texts_[row] = text;
    const std::size_t size =
        static_cast<std::size_t>(catalogCount_) + static_cast<std::size_t>(length.Constant());
    if (size != records_.size()) {
        records_.resize(size);
        texts_.resize(size);
    }
    return true;
}

std::vector<CLDCmd> COperandTable::Operands() const {
    std::vector<CLDCmd> result = records_;
    for (std::size_t i = 0; i < result.size(); ++i) {
        CLDCmd& record = result[i];
        if (i < static_cast<std::size_t>(catalogCount_)) {
            CLDCmd parsed;
            if (ParseOperand(texts_[i], parsed)) {
                record = parsed;
            }
        } else {
            record = CLDCmd{};
            record.code = LDOPD_CONST;
            record.SetConstant(ReadDialogInt(texts_[i]));
        }
        record.kind = LDCMD_OPERAND;
    }
    return result;
}

}  // namespace varno
