#include "app/dialogs/qt_editor_dialogs.h"

#include "app/dialogs/bat_edit_dlg.h"
#include "app/dialogs/data_table_dlg.h"
#include "app/dialogs/edit_comment_dlg.h"
#include "app/dialogs/element_set.h"
#include "app/dialogs/find_dlg.h"
#include "app/dialogs/func_set.h"
#include "app/dialogs/net_comment_dlg.h"
#include "app/shell/qt_message_service.h"

namespace varno {

CQtEditorDialogs::CQtEditorDialogs(QWidget* parent)
    : parent_(parent), messages_(std::make_unique<CQtMessageService>(parent)) {}

CQtEditorDialogs::~CQtEditorDialogs() = default;

std::optional<CElementChoice> CQtEditorDialogs::RunElementDialog(ElementClass cls,
                                                                 CElementDialogData data,
                                                                 const ElementCheck& check) {
    std::unique_ptr<CElementSet> dialog;
    if (cls == ElementClass::Contact) {
        dialog = std::make_unique<CContactSet>(data, check, parent_);
    } else {
        dialog = std::make_unique<CCoilSet>(data, check, parent_);
    }
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog->Choice();
}

std::optional<int> CQtEditorDialogs::RunFunctionDialog(int preselected) {
    CFuncSet dialog(preselected, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Number();
}

bool CQtEditorDialogs::RunOperandDialog(COperandTable& table) {
    CDataTableDlg dialog(table, *messages_, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    table = dialog.Table();
    return true;
}

std::optional<std::pair<std::string, std::string>> CQtEditorDialogs::RunCommentRowDialog(
    const std::string& comment1, const std::string& comment2) {
    CNetCommentDlg dialog(comment1, comment2, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::make_pair(dialog.Comment1(), dialog.Comment2());
}

bool CQtEditorDialogs::RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) {
    CEditCommentDlg dialog(CEditCommentDlg::Mode::Modify, data, check, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    data = dialog.Data();
    return true;
}

std::optional<std::string> CQtEditorDialogs::RunFindDialog(const std::string& text) {
    CFindDlg dialog(text, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Text();
}

bool CQtEditorDialogs::RunBatchDialog(CBatchDialogData& data) {
    CBatEditDlg dialog(data, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    data = dialog.Data();
    return true;
}

}  // namespace varno
