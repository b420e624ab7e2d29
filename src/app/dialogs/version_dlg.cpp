#include "app/dialogs/version_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/dialogs/add_sub_program_dlg.h"
#include "app/qt_text.h"
#include "platform/strings/app_shell.h"

namespace varno {

namespace {

struct CVersionRow {
    StrId label;
    int line1Control;
    int line2Control;
};

constexpr CVersionRow ROWS[] = {
    {IDS_VERSION_COMPANY, 1051, 1052},
    {IDS_VERSION_PRODUCT, 1035, 1037},
    {IDS_VERSION_VERSION, 1036, 1038},
    {IDS_VERSION_REMARK, 1041, 1042},
};

}  // namespace

CVersionDlg::CVersionDlg(CVersionArray& versions, QWidget* parent)
    : QDialog(parent), versions_(versions) {
    setWindowTitle(Tr(IDS_VERSION_TITLE));
    auto* grid = new QGridLayout;
    for (int index = 0; index < 4; ++index) {
        grid->addWidget(new QLabel(Tr(ROWS[index].label), this), index, 0);
        for (int line = 0; line < 2; ++line) {
            auto* edit = new QLineEdit(FromGbk(versions_.GetVersionLine(index, line)), this);
            edit->setObjectName(QString("edit%1").arg(line == 0 ? ROWS[index].line1Control
                                                                : ROWS[index].line2Control));
            LimitGbkBytes(edit, LINE_BYTES);
            grid->addWidget(edit, index, 1 + line);
            lines_[index * 2 + line] = edit;
        }
    }
    grid->setColumnMinimumWidth(1, 200);
    grid->setColumnMinimumWidth(2, 200);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CVersionDlg::accept() {
    for (int index = 0; index < 4; ++index) {
        for (int line = 0; line < 2; ++line) {
            versions_.GetVersionLine(index, line) = ToGbk(lines_[index * 2 + line]->text());
        }
    }
    QDialog::accept();
}

}  // namespace varno
