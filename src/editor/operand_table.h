// The operand dialog's working copy: the operand records of one functional instruction, one
// row per catalog operand and, for CODB, one row per table item, each with the text shown in
// its Data column. The window's list and the script runner edit the rows through EditRow and
// take the records with Operands on OK.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "model/ldcmd.h"

namespace varno {

class COperandTable {
public:
    // A table for the instruction with all its catalog operands zero.
    explicit COperandTable(int number);
    // The operands of a placed block of this instruction: the catalog operands and, for CODB,
    // as many table items as its second operand says (fewer when the array is shorter).
    void Load(std::span<const CLDCmd> operands);

    int Number() const { return number_; }
    int CatalogCount() const { return catalogCount_; }
    std::size_t RowCount() const { return texts_.size(); }
    // The three columns of a row: its index, its Data text and what it means.
    std::string IndexText(std::size_t row) const;
    const std::string& Text(std::size_t row) const { return texts_[row]; }
    std::string DefineText(std::size_t row) const;

    // The end of an edit of a row's Data text. For CODB an edit of the table length (row 1)
    // is taken only as a constant 0..65535: the table then gains zero items or loses its last
    // ones. Any other text for it is refused: false, and the row and the table stay as they
    // were. False also for a row that does not exist.
    bool EditRow(std::size_t row, const std::string& text);

    // The records OK hands back, all of kind LDCMD_OPERAND: a catalog operand row is parsed as
    // an operand text, a row the parser refuses keeps the record it had; a table item is its
    // text read as a decimal integer.
    std::vector<CLDCmd> Operands() const;

private:
    int number_;
    int catalogCount_;
    std::vector<CLDCmd> records_;
    std::vector<std::string> texts_;
};

}  // namespace varno
