#include "app/windows/param_group_view.h"

#include "app/qt_text.h"
#include "params/param_doc.h"

namespace varno {

CParamGroupView::CParamGroupView(CParamDoc& doc, QWidget* parent) : QTreeWidget(parent), doc_(doc) {
    setObjectName("ParamGroupView");
    setHeaderHidden(true);
    // Top-level items only: no room is kept for branch marks in the narrow pane.
    setRootIsDecorated(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto& table : doc_.Tables().Tables()) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, FromGbk(table->Name()));
    }
    if (topLevelItemCount() > 0) {
        topLevelItem(0)->setExpanded(true);
    }
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CParamGroupView::OnSelectionChanged);
}

QSize CParamGroupView::sizeHint() const {
    return {DEFAULT_WIDTH, QTreeWidget::sizeHint().height()};
}

QTreeWidgetItem* CParamGroupView::ItemOf(const QString& name) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(0) == name) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

void CParamGroupView::OnSelectionChanged() {
    if (updating_) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = selectedItems();
    CParamData* table =
        selected.isEmpty() ? nullptr : doc_.Tables().Find(ToGbk(selected.first()->text(0)));
    if (table == doc_.CurrentTable()) {
        return;
    }
    updating_ = true;
    doc_.SetCurrentTable(table);
    emit CurrentTableChanged();
    updating_ = false;
}

}  // namespace varno
