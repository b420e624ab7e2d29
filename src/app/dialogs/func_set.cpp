#include "app/dialogs/func_set.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "editor/function_choice.h"
#include "model/catalog.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

CFuncSet::CFuncSet(int preselected, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(IDS_DLG_FUNCTION));
    categories_ = new QListWidget(this);
    for (int i = 0; i < CATEGORY_COUNT; ++i) {
        categories_->addItem(Tr(Category(i).title));
    }
    functions_ = new QListWidget(this);
    description_ = new QLabel(this);
    description_->setFrameShape(QFrame::StyledPanel);
    description_->setFrameShadow(QFrame::Sunken);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumHeight(description_->fontMetrics().height() * 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Tr(IDS_DLG_CLASS), this), 0, 0);
    grid->addWidget(new QLabel(Tr(IDS_DLG_LABEL_FUNCTION), this), 0, 1);
    grid->addWidget(categories_, 1, 0);
    grid->addWidget(functions_, 1, 1);
    grid->addWidget(new QLabel(Tr(IDS_DLG_DESCRIPTION), this), 2, 0, 1, 2);
    grid->addWidget(description_, 3, 0, 1, 2);
    categories_->setMinimumWidth(categories_->sizeHintForColumn(0) + 32);
    functions_->setMinimumWidth(functions_->sizeHintForColumn(0) + 80);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    categories_->setCurrentRow(0);
    FillFunctions(0);
    const int position = FuncChoicePosition(preselected);
    if (position >= 0) {
        functions_->setCurrentRow(position);
        functions_->scrollToItem(functions_->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    OnSelectionChanged();
    connect(categories_, &QListWidget::itemSelectionChanged, this, &CFuncSet::OnSelectionChanged);
    connect(functions_, &QListWidget::itemSelectionChanged, this, &CFuncSet::OnSelectionChanged);
    connect(functions_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    functions_->setFocus();
}

int CFuncSet::SelectedRow(const QListWidget* list) const {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void CFuncSet::FillFunctions(int category) {
    QSignalBlocker quiet(functions_);
    functions_->clear();
    listedCategory_ = category;
    if (category < 0) {
        return;
    }
    for (std::uint16_t number : Category(category).members) {
        const auto name = FuncName(number);
        functions_->addItem(name ? QString::fromLatin1(name->data(), name->size()) : QString());
    }
}

void CFuncSet::OnSelectionChanged() {
    const int category = SelectedRow(categories_);
    if (category != listedCategory_) {
        FillFunctions(category);
    }
    description_->setText(FromGbk(FuncChoiceDescription(category, SelectedRow(functions_))));
}

int CFuncSet::Number() const {
    return FuncChoiceNumber(SelectedRow(categories_), SelectedRow(functions_));
}

}  // namespace varno
