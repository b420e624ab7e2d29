#include "app/dialogs/file_watch_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/strings/app_windows.h"

namespace varno {

namespace {

// The width of the longest line in the label's font, plus one average character.
int FittedWidth(const QLabel& label, const QString& text) {
    const QFontMetrics metrics(label.font());
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest + metrics.averageCharWidth();
}

}  // namespace

CFileWatchDlg::CFileWatchDlg(QWidget* parent, const QString& text, const int* autoReload,
                             const int* reloadAll)
    : QDialog(parent),
      message_(new QLabel(text, this)),
      autoReload_(new QCheckBox(Tr(IDS_FILE_AUTO_RELOAD), this)),
      reloadAll_(new QCheckBox(Tr(IDS_FILE_RELOAD_ALL), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(Tr(IDS_MAIN_TITLE));

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    message_->setTextFormat(Qt::PlainText);
    message_->setMinimumWidth(FittedWidth(*message_, text));

    autoReload_->setVisible(autoReload != nullptr);
    autoReload_->setChecked(autoReload != nullptr && *autoReload != 0);
    reloadAll_->setVisible(reloadAll != nullptr);
    reloadAll_->setChecked(reloadAll != nullptr && *reloadAll != 0);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(message_, 1);

    // Qt's own button texts follow the edition through its translation.
    buttons_->setCenterButtons(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(autoReload_);
    layout->addWidget(reloadAll_);
    layout->addSpacing(8);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool CFileWatchDlg::AutoReload() const {
    return autoReload_->isChecked();
}

QPushButton* CFileWatchDlg::OkButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* CFileWatchDlg::CancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

bool CFileWatchDlg::ReloadAll() const {
    return reloadAll_->isChecked();
}

bool CFileWatchAsk::AskReload(const std::string& text, int* autoReload, int* reloadAll) {
    CFileWatchDlg dialog(parent_, FromGbk(text), autoReload, reloadAll);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (autoReload != nullptr) {
        *autoReload = dialog.AutoReload() ? 1 : 0;
    }
    if (reloadAll != nullptr) {
        *reloadAll = dialog.ReloadAll() ? 1 : 0;
    }
    return true;
}

}  // namespace varno
