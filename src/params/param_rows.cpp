#include "params/param_rows.h"

#include "comments/comment_group.h"

namespace varno {

std::string ParamCellText(const CParamData& table, std::size_t row, int column) {
    if (row >= table.Length()) {
        return {};
    }
    switch (column) {
        case PARAM_INDEX:
            return std::to_string(row);
        case PARAM_ADDRESS:
            return table.EntryAddressText(row);
        case PARAM_DATA:
            return std::to_string(table.GetValue(row));
        case PARAM_SYMBOL:
        case PARAM_COMMENT_1:
        case PARAM_COMMENT_2:
            break;
        default:
            return {};
    }
    const CCommentGrp* group = table.CommentGroup();
    const CCommentItem* item = group != nullptr ? group->Find(table.EntryAddress(row)) : nullptr;
    if (item == nullptr) {
        return {};
    }
    return column == PARAM_SYMBOL ? item->symbol
                                  : (column == PARAM_COMMENT_1 ? item->comment1 : item->comment2);
}

}  // namespace varno
