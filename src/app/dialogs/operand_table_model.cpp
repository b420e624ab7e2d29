#include "app/dialogs/operand_table_model.h"

#include <new>

#include "app/qt_text.h"
#include "platform/message_service.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

COperandTableModel::COperandTableModel(COperandTable table, IMessageService& messages,
                                       QObject* parent)
    : QAbstractTableModel(parent),
      table_(std::move(table)),
      messages_(messages),
      rows_(static_cast<int>(table_.RowCount())) {}

int COperandTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int COperandTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant COperandTableModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= table_.RowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    switch (index.column()) {
        case INDEX_COLUMN:
            return FromGbk(table_.IndexText(row));
        case DATA_COLUMN:
            return FromGbk(table_.Text(row));
        case DEFINE_COLUMN:
            return FromGbk(table_.DefineText(row));
        default:
            return {};
    }
}

QVariant COperandTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case INDEX_COLUMN:
            return Tr(IDS_COLUMN_INDEX);
        case DATA_COLUMN:
            return Tr(IDS_COLUMN_DATA);
        case DEFINE_COLUMN:
            return Tr(IDS_COLUMN_DEFINE);
        default:
            return {};
    }
}

Qt::ItemFlags COperandTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == DATA_COLUMN ? flags | Qt::ItemIsEditable : flags;
}

bool COperandTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != DATA_COLUMN || role != Qt::EditRole) {
        return false;
    }
    bool taken = false;
    try {
        taken = table_.EditRow(static_cast<std::size_t>(index.row()), ToGbk(value.toString()));
    } catch (const std::bad_alloc&) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_NOT_ENOUGH_MEMORY, MbIcon::Error);
        return false;
    }
    const int rows = static_cast<int>(table_.RowCount());
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    emit dataChanged(index, index);
    return taken;
}

}  // namespace varno
