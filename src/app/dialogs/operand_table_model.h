// The operand dialog's rows as an item model over the core's operand table: Index, Data and
// Define, only Data editable. An edit goes to the table, which decides what it takes (a CODB
// length adds or removes table rows, a refused one leaves the row as it was).
#pragma once

#include <QAbstractTableModel>

#include "editor/operand_table.h"

namespace varno {

class IMessageService;

class COperandTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { INDEX_COLUMN, DATA_COLUMN, DEFINE_COLUMN, COLUMN_COUNT };

    COperandTableModel(COperandTable table, IMessageService& messages, QObject* parent);

    const COperandTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    COperandTable table_;
    IMessageService& messages_;
    // The rows the views know of; follows the table after each edit.
    int rows_;
};

}  // namespace varno
