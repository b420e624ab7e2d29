// The parameter window's rows: the cell texts of a table's entries, with the symbol and
// comments of the element comment at each entry's address.
#pragma once

#include <cstddef>
#include <string>

#include "params/param_data.h"

namespace varno {

// The columns of the parameter list, in order; only the data column is edited.
enum ParamColumn {
    PARAM_INDEX,
    PARAM_ADDRESS,
    PARAM_DATA,
    PARAM_SYMBOL,
    PARAM_COMMENT_1,
    PARAM_COMMENT_2
};
inline constexpr int PARAM_COLUMN_COUNT = 6;

// The row number, the entry's address text (C0004), its value in decimal, then the symbol,
// comment 1 and comment 2 of the element comment of that address (empty when there is none).
// Empty outside the table or the columns.
std::string ParamCellText(const CParamData& table, std::size_t row, int column);

}  // namespace varno
