#include "app/dialogs/element_set.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/qt_text.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

constexpr int CONTACT_ADDRESS_LIMIT = 20;

}  // namespace

CElementSet::CElementSet(ElementClass cls, const CElementDialogData& values,
                         IEditorDialogs::ElementCheck check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
    const bool contact = cls == ElementClass::Contact;
    setWindowTitle(Tr(contact ? IDS_DLG_CONTACT : IDS_DLG_COIL));

    address_ = new QLineEdit(this);
    if (contact) {
        address_->setMaxLength(CONTACT_ADDRESS_LIMIT);
    }
    types_ = new QListWidget(this);
    types_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (std::string_view symbol : contact ? std::span(CONTACT_SYMBOLS) : std::span(COIL_SYMBOLS)) {
        types_->addItem(QString::fromLatin1(symbol.data(), static_cast<int>(symbol.size())));
    }
    types_->setCurrentRow(std::clamp(values.typeIndex, 0, types_->count() - 1));
    ranges_ = new QListWidget(this);
    for (const CAddressRange* range : contact ? ContactRanges() : CoilRanges()) {
        ranges_->addItem(FromGbk(RangeHint(*range)));
    }
    connect(ranges_, &QListWidget::itemClicked, this, &CElementSet::OnRangeChosen);
    connect(ranges_, &QListWidget::itemActivated, this, &CElementSet::OnRangeChosen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Tr(IDS_DLG_ADDRESS), this), 0, 0);
    grid->addWidget(address_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(Tr(IDS_DLG_LABEL_FUNCTION), this), 1, 0, 1, 2);
    grid->addWidget(new QLabel(Tr(IDS_DLG_ADDRESS_RANGE), this), 1, 2);
    grid->addWidget(types_, 2, 0, 1, 2);
    grid->addWidget(ranges_, 2, 2);
    grid->setColumnStretch(2, 1);
    types_->setFixedWidth(types_->sizeHintForColumn(0) + 4 * types_->frameWidth() + 16);
    ranges_->setMinimumWidth(ranges_->sizeHintForColumn(0) + 4 * ranges_->frameWidth() + 24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    setTabOrder(address_, types_);
    setTabOrder(types_, ranges_);
    address_->setText(FromGbk(values.address));
    address_->selectAll();
    address_->setFocus();
}

void CElementSet::OnRangeChosen(QListWidgetItem* item) {
    const QString text = item->text();
    const qsizetype dash = text.indexOf('-');
    address_->setText(dash < 0 ? text : text.left(dash));
    address_->setFocus();
    address_->selectAll();
}

void CElementSet::accept() {
    CElementDialogData values;
    values.typeIndex = types_->currentRow();
    values.address = ToGbk(address_->text());
    std::optional<CElementChoice> choice = check_(values);
    if (!choice) {
        address_->setFocus();
        address_->selectAll();
        return;
    }
    address_->setText(FromGbk(values.address));
    choice_ = choice;
    QDialog::accept();
}

CContactSet::CContactSet(const CElementDialogData& values, IEditorDialogs::ElementCheck check,
                         QWidget* parent)
    : CElementSet(ElementClass::Contact, values, std::move(check), parent) {}

CCoilSet::CCoilSet(const CElementDialogData& values, IEditorDialogs::ElementCheck check,
                   QWidget* parent)
    : CElementSet(ElementClass::Coil, values, std::move(check), parent) {}

}  // namespace varno
