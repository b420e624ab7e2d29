#include "app/shell/about_dlg.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/strings/app_shell.h"

namespace varno {

QString CAboutDlg::BuildDate() {
    // __DATE__ reads "Mmm dd yyyy" with a space before a one-digit day.
    const QDate date = QDate::fromString(QString(__DATE__).simplified(), "MMM d yyyy");
    return date.toString("yyyy-MM-dd");
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(IDS_ABOUT_TITLE) + " " + Tr(IDS_APP_NAME));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    auto* name = new QLabel(Tr(IDS_MAIN_TITLE), this);
    name->setObjectName("label1036");
    auto* built = new QLabel(
        FromGbk(Format(LoadString(IDS_BUILD_DATE).c_str(), BuildDate().toLatin1().constData())),
        this);
    built->setObjectName("label1061");
    auto* edition = new QLabel(Tr(IDS_APP_NAME), this);
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(edition);
    texts->addWidget(built);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

}  // namespace varno
