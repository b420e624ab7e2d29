#include "app/check/xref_bar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "check/cell_ref_text.h"
#include "model/address.h"
#include "platform/strings/app_check.h"
#include "platform/strings/check.h"

namespace varno {

namespace {

// An address line keeps its index in the cross reference; a use line its index in the uses.
constexpr int INDEX_ROLE = Qt::UserRole;
constexpr int IS_USE_ROLE = Qt::UserRole + 1;

}  // namespace

CXrefBar::CXrefBar(Builder build, QWidget* parent)
    : QDockWidget(Tr(IDS_XREF_BAR), parent),
      build_(std::move(build)),
      field_(new QLineEdit(this)),
      summary_(new QLabel(this)),
      tree_(new QTreeWidget(this)) {
    setObjectName("CrossReferenceBar");
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout();
    field_->setPlaceholderText(Tr(IDS_XREF_PATTERN_HINT));
    field_->setClearButtonEnabled(true);
    auto* find = new QPushButton(Tr(IDS_XREF_FIND), pane);
    top->addWidget(field_, 1);
    top->addWidget(find);
    top->addWidget(summary_);
    layout->addLayout(top);
    tree_->setColumnCount(4);
    tree_->setHeaderLabels({Tr(IDS_XREF_COLUMN_ADDRESS), Tr(IDS_XREF_COLUMN_SYMBOL),
                            Tr(IDS_XREF_COLUMN_COMMENT), Tr(IDS_XREF_COLUMN_COUNT)});
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->header()->setStretchLastSection(true);
    layout->addWidget(tree_);
    setWidget(pane);

    auto lookup = [this] { Lookup(field_->text()); };
    connect(field_, &QLineEdit::returnPressed, this, lookup);
    connect(find, &QPushButton::clicked, this, lookup);
    connect(tree_, &QTreeWidget::itemExpanded, this, &CXrefBar::FillUses);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (!item->data(0, IS_USE_ROLE).toBool()) {
            return;
        }
        const std::size_t index = item->data(0, INDEX_ROLE).value<qulonglong>();
        if (index < xref_.uses.size()) {
            const CCellRef& at = xref_.uses[index].at;
            emit CellRequested(ProgramName(xref_.programs, at), at.row, at.column);
        }
    });
}

void CXrefBar::Lookup(const QString& pattern) {
    field_->setText(pattern);
    tree_->clear();
    xref_ = build_(ToGbk(pattern));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(xref_.addresses.size()));
    for (std::size_t i = 0; i < xref_.addresses.size(); ++i) {
        const CXrefAddress& entry = xref_.addresses[i];
        auto* item = new QTreeWidgetItem(QStringList{FromGbk(FormatAddress(entry.address, true)),
                                                     FromGbk(entry.symbol), FromGbk(entry.comment),
                                                     FromGbk(UseCountText(entry))});
        item->setData(0, INDEX_ROLE, QVariant::fromValue<qulonglong>(i));
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        items.append(item);
    }
    tree_->addTopLevelItems(items);
    if (xref_.addresses.empty()) {
        summary_->setText(FromGbk(
            Format(LoadString(IDS_XREF_NO_MATCH).c_str(), ToGbk(pattern.trimmed()).c_str())));
    } else {
        summary_->setText(FromGbk(Format(LoadString(IDS_XREF_SUMMARY).c_str(),
                                         static_cast<int>(xref_.addresses.size()),
                                         static_cast<int>(xref_.uses.size()))));
    }
    if (items.size() == 1) {
        items.first()->setExpanded(true);
    }
    for (int c = 0; c < 3; ++c) {
        tree_->resizeColumnToContents(c);
    }
}

void CXrefBar::FillUses(QTreeWidgetItem* addressItem) {
    if (addressItem->data(0, IS_USE_ROLE).toBool() || addressItem->childCount() > 0) {
        return;
    }
    const std::size_t index = addressItem->data(0, INDEX_ROLE).value<qulonglong>();
    if (index >= xref_.addresses.size()) {
        return;
    }
    const CXrefAddress& entry = xref_.addresses[index];
    QList<QTreeWidgetItem*> uses;
    for (std::size_t u = entry.first; u < entry.first + entry.count; ++u) {
        const CAddressUse& use = xref_.uses[u];
        auto* item = new QTreeWidgetItem(QStringList{FromGbk(CellRefText(xref_.programs, use.at)),
                                                     FromGbk(UseText(use)),
                                                     FromGbk(AccessText(use.access))});
        item->setData(0, INDEX_ROLE, QVariant::fromValue<qulonglong>(u));
        item->setData(0, IS_USE_ROLE, true);
        uses.append(item);
    }
    addressItem->addChildren(uses);
}

void CXrefBar::Clear() {
    field_->clear();
    tree_->clear();
    summary_->clear();
    xref_ = CCrossReference();
}

}  // namespace varno
