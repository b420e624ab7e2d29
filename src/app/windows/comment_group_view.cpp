#include "app/windows/comment_group_view.h"

#include "app/qt_text.h"
#include "app/windows/comment_doc.h"

namespace varno {

CCommentGroupView::CCommentGroupView(CCommentDoc& doc, QWidget* parent)
    : QTreeWidget(parent), doc_(doc) {
    setObjectName("CommentGroupView");
    setHeaderHidden(true);
    // Top-level items only: no room is kept for branch marks in the narrow pane.
    setRootIsDecorated(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    Fill();
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CCommentGroupView::OnSelectionChanged);
}

QSize CCommentGroupView::sizeHint() const {
    return {DEFAULT_WIDTH, QTreeWidget::sizeHint().height()};
}

void CCommentGroupView::Fill() {
    clear();
    for (const auto& group : doc_.Comments().Groups()) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, FromGbk(group->Name()));
    }
    if (topLevelItemCount() > 0) {
        topLevelItem(0)->setExpanded(true);
    }
}

QTreeWidgetItem* CCommentGroupView::ItemOf(const QString& name) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(0) == name) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

void CCommentGroupView::OnSelectionChanged() {
    // The views' update may touch the tree again; that must not choose once more.
    if (updating_) {
        return;
    }
    updating_ = true;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    doc_.SetCurrentGroup(selected.isEmpty() ? std::string() : ToGbk(selected.first()->text(0)));
    updating_ = false;
}

}  // namespace varno
