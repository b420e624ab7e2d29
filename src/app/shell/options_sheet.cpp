#include "app/shell/options_sheet.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/ladder_prop_page.h"
#include "app/qt_text.h"
#include "platform/strings/app_shell.h"

namespace varno {

CBuildProp::CBuildProp(QWidget* parent) : QWidget(parent), romName_(new QLineEdit(this)) {
    romName_->setObjectName("edit1034");
    auto* form = new QFormLayout(this);
    form->addRow(Tr(IDS_BUILD_ROM_NAME), romName_);
}

COptionsSheet::COptionsSheet(const COptionsValues& values, QWidget* parent)
    : QDialog(parent),
      values_(values),
      pages_(new QTabWidget(this)),
      build_(new CBuildProp(this)),
      ladder_(new CLadderProp(this)) {
    setWindowTitle(Tr(IDS_OPTIONS_CAPTION));
    build_->RomName()->setText(FromGbk(values.romName));
    pages_->addTab(build_, Tr(IDS_BUILD_PAGE));
    CDisplaySettings display;
    CopyDisplay(values, display);
    ladder_->Load(display);
    pages_->addTab(ladder_, ladder_->windowTitle());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

COptionsValues COptionsSheet::Values() const {
    COptionsValues values = values_;
    values.romName = ToGbk(build_->RomName()->text());
    CDisplaySettings display;
    CopyDisplay(values, display);
    ladder_->Apply(display);
    CopyDisplay(display, values);
    return values;
}

}  // namespace varno
