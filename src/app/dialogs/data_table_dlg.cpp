#include "app/dialogs/data_table_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/dialogs/operand_table_model.h"
#include "app/qt_text.h"
#include "app/widgets/edit_list.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

constexpr int INDEX_WIDTH = 50;
constexpr int DATA_WIDTH = 90;
constexpr int DEFINE_WIDTH = 100;

}  // namespace

CDataTableDlg::CDataTableDlg(const COperandTable& table, IMessageService& messages, QWidget* parent)
    : QDialog(parent), model_(new COperandTableModel(table, messages, this)) {
    setWindowTitle(Tr(IDS_DLG_PARAMETER));
    list_ = new CEditList(this);
    list_->setModel(model_);
    list_->SetEditableColumn(COperandTableModel::DATA_COLUMN);
    list_->setColumnWidth(COperandTableModel::INDEX_COLUMN, INDEX_WIDTH);
    list_->setColumnWidth(COperandTableModel::DATA_COLUMN, DATA_WIDTH);
    list_->setColumnWidth(COperandTableModel::DEFINE_COLUMN, DEFINE_WIDTH);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumSize(INDEX_WIDTH + DATA_WIDTH + DEFINE_WIDTH + 160, 220);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);

    if (model_->rowCount() > 0) {
        list_->selectRow(0);
    }
    list_->setFocus();
}

const COperandTable& CDataTableDlg::Table() const {
    return model_->Table();
}

}  // namespace varno
