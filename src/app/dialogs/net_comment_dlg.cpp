#include "app/dialogs/net_comment_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

QPlainTextEdit* CommentBox(const std::string& text, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setPlainText(FromGbk(text).replace("\r\n", "\n"));
    box->setMinimumSize(360, box->fontMetrics().lineSpacing() * 4);
    return box;
}

std::string TextOf(const QPlainTextEdit* box) {
    return ToGbk(box->toPlainText().replace("\n", "\r\n"));
}

}  // namespace

CNetCommentDlg::CNetCommentDlg(const std::string& comment1, const std::string& comment2,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Tr(IDS_DLG_NET_COMMENT));
    comment1_ = CommentBox(comment1, this);
    comment2_ = CommentBox(comment2, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr(IDS_DLG_COMMENT1), this));
    layout->addWidget(comment1_);
    layout->addWidget(new QLabel(Tr(IDS_DLG_COMMENT2), this));
    layout->addWidget(comment2_);
    layout->addWidget(buttons);
    comment1_->selectAll();
    comment1_->setFocus();
}

std::string CNetCommentDlg::Comment1() const {
    return TextOf(comment1_);
}

std::string CNetCommentDlg::Comment2() const {
    return TextOf(comment2_);
}

}  // namespace varno
