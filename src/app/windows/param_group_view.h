// CParamGroupView: the parameter window's left pane, one top-level item per table of the
// document ("C", "D", "T" in list order), the first expanded. Selecting an item makes its
// table the current one.
#pragma once

#include <QTreeWidget>
#include <functional>

namespace varno {

class CParamDoc;

class CParamGroupView final : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int DEFAULT_WIDTH = 100;

    explicit CParamGroupView(CParamDoc& doc, QWidget* parent = nullptr);

    QTreeWidgetItem* ItemOf(const QString& name) const;
    QSize sizeHint() const override;

signals:
    // Another table became current; every view should show it.
    void CurrentTableChanged();

private:
    void OnSelectionChanged();

    CParamDoc& doc_;
    bool updating_ = false;
};

}  // namespace varno
