#include "app/dialogs/add_sub_program_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "app/qt_text.h"
#include "platform/strings/app_shell.h"

namespace varno {

void LimitGbkBytes(QLineEdit* edit, int bytes) {
    auto* accepted = new QString(edit->text());
    QObject::connect(edit, &QObject::destroyed, [accepted] { delete accepted; });
    QObject::connect(
        edit, &QLineEdit::textChanged, edit, [edit, bytes, accepted](const QString& text) {
            if (static_cast<int>(ToGbk(text).size()) <= bytes) {
                *accepted = text;
                return;
            }
            const int cursor = std::min(edit->cursorPosition(), static_cast<int>(accepted->size()));
            edit->setText(*accepted);
            edit->setCursorPosition(cursor);
        });
}

CAddSubProgramDlg::CAddSubProgramDlg(QWidget* parent, const CSubprogramEntry& entry)
    : QDialog(parent),
      number_(new QLineEdit(FromGbk(entry.number), this)),
      symbol_(new QLineEdit(FromGbk(entry.symbol), this)),
      comment1_(new QLineEdit(FromGbk(entry.comment1), this)),
      comment2_(new QLineEdit(FromGbk(entry.comment2), this)) {
    setWindowTitle(Tr(IDS_SUBPROGRAM_TITLE));
    number_->setObjectName("edit1034");
    symbol_->setObjectName("edit1035");
    comment1_->setObjectName("edit1058");
    comment2_->setObjectName("edit1062");
    number_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("[0-9]{0,%1}").arg(NUMBER_CHARS)), number_));
    number_->setMaxLength(std::max<int>(NUMBER_CHARS, static_cast<int>(entry.number.size())));
    connect(symbol_, &QLineEdit::textEdited, symbol_, [this](const QString& text) {
        const int cursor = symbol_->cursorPosition();
        symbol_->setText(text.toUpper());
        symbol_->setCursorPosition(cursor);
    });
    LimitGbkBytes(symbol_, SYMBOL_BYTES);
    LimitGbkBytes(comment1_, COMMENT_BYTES);
    LimitGbkBytes(comment2_, COMMENT_BYTES);

    auto* form = new QFormLayout;
    form->addRow(Tr(IDS_SUBPROGRAM_NUMBER), number_);
    form->addRow(Tr(IDS_SUBPROGRAM_SYMBOL), symbol_);
    form->addRow(Tr(IDS_SUBPROGRAM_COMMENT1), comment1_);
    form->addRow(Tr(IDS_SUBPROGRAM_COMMENT2), comment2_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

CSubprogramEntry CAddSubProgramDlg::Entry() const {
    return {ToGbk(number_->text()), ToGbk(symbol_->text()), ToGbk(comment1_->text()),
            ToGbk(comment2_->text())};
}

}  // namespace varno
