#include "app/dialogs/bat_edit_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/qt_text.h"
#include "model/address.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

constexpr int BYTE_NUMBER_LIMIT = 4;

}  // namespace

CBatEditDlg::CBatEditDlg(const CBatchDialogData& values, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(IDS_DLG_EDIT_BATCH));
    type_ = new QComboBox(this);
    for (const CAddressRange* range : BatchEditRanges()) {
        type_->addItem(QString(QChar(range->bank)));
    }
    type_->setCurrentIndex(values.typeIndex);
    connect(type_, &QComboBox::activated, this, &CBatEditDlg::OnTypeChosen);
    start_ = new QLineEdit(FromGbk(values.start), this);
    start_->setMaxLength(BYTE_NUMBER_LIMIT);
    end_ = new QLineEdit(FromGbk(values.end), this);
    end_->setMaxLength(BYTE_NUMBER_LIMIT);
    amount_ = new QLineEdit(QString::number(values.amount), this);
    amount_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), amount_));

    auto* range = new QGroupBox(Tr(IDS_DLG_EDIT_RANGE), this);
    selection_ = new QRadioButton(Tr(IDS_DLG_AREA_SELECTION), range);
    all_ = new QRadioButton(Tr(IDS_DLG_AREA_ALL), range);
    (values.area == 1 ? all_ : selection_)->setChecked(true);
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->addWidget(selection_);
    rangeLayout->addWidget(all_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(Tr(IDS_DLG_TYPE), type_);
    form->addRow(Tr(IDS_DLG_START), start_);
    form->addRow(Tr(IDS_DLG_END), end_);
    form->addRow(Tr(IDS_DLG_ADDRESS_MODIFY), amount_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(range);
    layout->addWidget(buttons);
    type_->setFocus();
}

void CBatEditDlg::OnTypeChosen(int index) {
    CBatchDialogData values;
    values.typeIndex = index;
    FillBatchDefaults(values);
    start_->setText(FromGbk(values.start));
    end_->setText(FromGbk(values.end));
}

CBatchDialogData CBatEditDlg::Data() const {
    CBatchDialogData values;
    values.typeIndex = type_->currentIndex();
    values.start = ToGbk(start_->text());
    values.end = ToGbk(end_->text());
    const qulonglong amount = amount_->text().toULongLong();
    values.amount = static_cast<std::uint32_t>(
        std::min<qulonglong>(amount, std::numeric_limits<std::uint32_t>::max()));
    values.area = all_->isChecked() ? 1 : 0;
    return values;
}

}  // namespace varno
