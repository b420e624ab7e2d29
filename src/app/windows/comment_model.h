// The comment list's rows as an item model over the live comment table: the cells are asked
// for when drawn, never stored. The rows follow the document's current group and every change
// of the table.
#pragma once

#include <QAbstractTableModel>

namespace varno {

class CCommentDoc;

class CCommentTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CCommentTableModel(CCommentDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CCommentDoc& doc_;
};

}  // namespace varno
