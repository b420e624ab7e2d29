// The parameter list's rows as an item model over the document's current table: the cells are
// asked for when drawn. Only the Data column edits; a committed text is read as a decimal
// integer and stored through the document, cut to the table's entry width.
#pragma once

#include <QAbstractTableModel>

namespace varno {

class CParamDoc;

class CParamTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CParamTableModel(CParamDoc& doc, QObject* parent = nullptr);

    // The rows again, after another table became current.
    void Reset();
    // Every cell again, after the element comments changed.
    void RefreshCells();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A value was stored (the document is modified).
    void ValueEdited(int row);

private:
    CParamDoc& doc_;
};

}  // namespace varno
