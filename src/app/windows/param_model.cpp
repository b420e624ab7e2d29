#include "app/windows/param_model.h"

#include "app/qt_text.h"
#include "editor/dialog_checks.h"
#include "params/param_doc.h"
#include "params/param_rows.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

CParamTableModel::CParamTableModel(CParamDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {}

void CParamTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

void CParamTableModel::RefreshCells() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, PARAM_COLUMN_COUNT - 1));
    }
}

int CParamTableModel::rowCount(const QModelIndex& parent) const {
    const CParamData* table = doc_.CurrentTable();
    return parent.isValid() || table == nullptr ? 0 : static_cast<int>(table->Length());
}

int CParamTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PARAM_COLUMN_COUNT;
}

QVariant CParamTableModel::data(const QModelIndex& index, int role) const {
    const CParamData* table = doc_.CurrentTable();
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || table == nullptr || !index.isValid()) {
        return {};
    }
    return FromGbk(ParamCellText(*table, static_cast<std::size_t>(index.row()), index.column()));
}

QVariant CParamTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    static constexpr StrId HEADERS[PARAM_COLUMN_COUNT] = {IDS_COLUMN_INDEX,    IDS_COLUMN_ADDRESS,
                                                          IDS_COLUMN_DATA,     IDS_COLUMN_SYMBOL,
                                                          IDS_COLUMN_COMMENT1, IDS_COLUMN_COMMENT2};
    if (section < 0 || section >= PARAM_COLUMN_COUNT) {
        return {};
    }
    return Tr(HEADERS[section]);
}

Qt::ItemFlags CParamTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == PARAM_DATA) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CParamTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != PARAM_DATA || doc_.CurrentTable() == nullptr ||
        index.row() >= rowCount()) {
        return false;
    }
    doc_.SetValue(static_cast<std::size_t>(index.row()), ReadDialogInt(ToGbk(value.toString())));
    emit dataChanged(index, index);
    emit ValueEdited(index.row());
    return true;
}

}  // namespace varno
