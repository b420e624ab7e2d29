// "Parameter": the operands of a functional instruction in an in-place editing list (Index,
// Data, Define), Data edited in place. The dialog works on a copy of the table; the caller
// takes Table() after OK and reads its records with Operands().
#pragma once

#include <QDialog>

#include "editor/operand_table.h"

namespace varno {

class CEditList;
class COperandTableModel;
class IMessageService;

class CDataTableDlg final : public QDialog {
    Q_OBJECT

public:
    CDataTableDlg(const COperandTable& table, IMessageService& messages, QWidget* parent = nullptr);

    const COperandTable& Table() const;
    CEditList* List() const { return list_; }

private:
    // A child object, so that it outlives the list while the dialog closes.
    COperandTableModel* model_;
    CEditList* list_;
};

}  // namespace varno
