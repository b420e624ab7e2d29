#include "app/dialogs/edit_comment_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "app/qt_text.h"
#include "app/widgets/byte_limit_validator.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

QLineEdit* LimitedBox(const std::string& text, int bytes, int width, QWidget* parent) {
    auto* box = new QLineEdit(FromGbk(text), parent);
    box->setValidator(new CByteLimitValidator(static_cast<std::size_t>(bytes), box));
    box->setMinimumWidth(width);
    return box;
}

}  // namespace

CEditCommentDlg::CEditCommentDlg(Mode mode, const CElemCommentData& values,
                                 IEditorDialogs::ElemCommentCheck check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
    setWindowTitle(Tr(IDS_DLG_ELEMENT_COMMENT));
    address_ = LimitedBox(values.address, ADDRESS_BYTES, 120, this);
    symbol_ = LimitedBox(values.symbol, SYMBOL_BYTES, 200, this);
    comment1_ = LimitedBox(values.comment1, COMMENT_BYTES, 320, this);
    comment2_ = LimitedBox(values.comment2, COMMENT_BYTES, 320, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(Tr(IDS_COLUMN_ADDRESS), address_);
    form->addRow(Tr(IDS_COLUMN_SYMBOL), symbol_);
    form->addRow(Tr(IDS_COLUMN_COMMENT1), comment1_);
    form->addRow(Tr(IDS_COLUMN_COMMENT2), comment2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    QLineEdit* first = address_;
    if (mode == Mode::Modify) {
        address_->setReadOnly(true);
        first = symbol_;
    }
    first->selectAll();
    first->setFocus();
}

CElemCommentData CEditCommentDlg::Data() const {
    return CElemCommentData{ToGbk(address_->text()), ToGbk(symbol_->text()),
                            ToGbk(comment1_->text()), ToGbk(comment2_->text())};
}

void CEditCommentDlg::accept() {
    if (!check_(Data())) {
        address_->setFocus();
        address_->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace varno
