#include "app/dialogs/find_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

CFindDlg::CFindDlg(const std::string& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(IDS_DLG_FIND));
    text_ = new QLineEdit(FromGbk(text), this);
    text_->setMinimumWidth(240);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(Tr(IDS_DLG_FIND_LABEL), text_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    text_->selectAll();
    text_->setFocus();
}

std::string CFindDlg::Text() const {
    return ToGbk(text_->text());
}

}  // namespace varno
