#include "app/dialogs/lad_prop.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

CLadProp::CLadProp(const QString& path, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(IDS_DLG_PROPERTY));
    path_ = new QLineEdit(path, this);
    path_->setMinimumWidth(320);
    browse_ = new QPushButton(Tr(IDS_DLG_BROWSE), this);
    browse_->setAutoDefault(false);
    browse_->setFixedWidth(std::max(browse_->minimumSizeHint().width(),
                                    browse_->fontMetrics().horizontalAdvance("...") + 24));
    connect(browse_, &QPushButton::clicked, this, &CLadProp::OnBrowse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Tr(IDS_DLG_PATH), this));
    row->addWidget(path_, 1);
    row->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    path_->selectAll();
    path_->setFocus();
}

QString CLadProp::Path() const {
    return path_->text();
}

void CLadProp::OnBrowse() {
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix("vld");
    dialog.setNameFilter(Tr(IDS_DLG_LADDER_FILTER));
    const QFileInfo current(QString(path_->text()).replace('\\', '/'));
    if (current.isAbsolute() && current.dir().exists()) {
        dialog.setDirectory(current.dir());
    } else if (!directory_.isEmpty()) {
        dialog.setDirectory(directory_);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        path_->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
    }
}

}  // namespace varno
