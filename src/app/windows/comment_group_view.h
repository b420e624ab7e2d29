// CCommentGroupView: the comment window's left pane, one top-level item per comment group in
// list order, the first expanded. Selecting an item shows its group in the list.
#pragma once

#include <QTreeWidget>

namespace varno {

class CCommentDoc;

class CCommentGroupView final : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int DEFAULT_WIDTH = 100;

    explicit CCommentGroupView(CCommentDoc& doc, QWidget* parent = nullptr);

    // The item of a group, or null.
    QTreeWidgetItem* ItemOf(const QString& name) const;
    QSize sizeHint() const override;

private:
    void Fill();
    void OnSelectionChanged();

    CCommentDoc& doc_;
    bool updating_ = false;
};

}  // namespace varno
