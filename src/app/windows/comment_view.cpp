#include "app/windows/comment_view.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

#include "app/dialogs/edit_comment_dlg.h"
#include "app/qt_text.h"
#include "app/shell/command_table.h"
#include "app/widgets/color_list.h"
#include "app/windows/comment_doc.h"
#include "app/windows/comment_model.h"
#include "comments/comment_rows.h"
#include "comments/comment_text.h"
#include "editor/dialog_checks.h"
#include "platform/strings/app_windows.h"

namespace varno {

namespace {

constexpr int COLUMN_WIDTHS[COMMENT_COLUMN_COUNT] = {60, 80, 80, 200, 200};

}  // namespace

CCommentView::CCommentView(CCommentDoc& doc, IMessageService& messages, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      messages_(messages),
      model_(new CCommentTableModel(doc, this)),
      list_(new CColorList(this)),
      commands_(new CCommandTable(this)) {
    list_->setObjectName("CommentList");
    list_->setModel(model_);
    list_->setShowGrid(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::NoContextMenu);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    for (int column = 0; column < COMMENT_COLUMN_COUNT; ++column) {
        list_->setColumnWidth(column, COLUMN_WIDTHS[column]);
    }
    list_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QAbstractItemView::doubleClicked, this,
            [this] { commands_->Run(ID_COMMENT_MODIFY); });
    CreateCommands();
}

void CCommentView::CreateCommands() {
    auto hasRow = [this] { return SelectedRow() >= 0; };
    auto hasGroup = [this] { return doc_.CurrentGroup() != nullptr; };
    const struct {
        int id;
        StrId text;
        QKeySequence key;
        void (CCommentView::*run)();
        std::function<bool()> enabled;
        const char* name;
    } commands[] = {
        {ID_COMMENT_MODIFY,
         IDS_CMD_COMMENT_MODIFY,
         {},
         &CCommentView::Modify,
         hasRow,
         "CommentModify"},
        {ID_COMMENT_ADD, IDS_CMD_COMMENT_ADD, {}, &CCommentView::Add, {}, "CommentAdd"},
        {ID_COMMENT_DELETE, IDS_CMD_COMMENT_DELETE, QKeySequence(Qt::Key_Delete),
         &CCommentView::Delete, hasRow, "CommentDelete"},
        {ID_COMMENT_LOAD, IDS_CMD_COMMENT_LOAD, {}, &CCommentView::Load, hasGroup, "CommentLoad"},
        {ID_COMMENT_EXPORT,
         IDS_CMD_COMMENT_EXPORT,
         {},
         &CCommentView::Export,
         hasGroup,
         "CommentExport"},
    };
    for (const auto& command : commands) {
        QAction* action = commands_->Add({command.id,
                                          command.text,
                                          command.key,
                                          [this, run = command.run] { (this->*run)(); },
                                          command.enabled,
                                          {}});
        action->setObjectName(command.name);
    }
    commands_->UpdateStates();
    connect(&doc_, &CCommentDoc::Updated, commands_, &CCommandTable::UpdateStates);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, commands_,
            &CCommandTable::UpdateStates);
}

int CCommentView::SelectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CCommentView::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
}

void CCommentView::SelectLastRow() {
    SelectRow(model_->rowCount() - 1);
}

QMenu* CCommentView::BuildPopup() {
    commands_->UpdateStates();
    auto* menu = new QMenu(this);
    menu->addAction(commands_->Action(ID_COMMENT_MODIFY));
    // The English resource's menu has neither Add nor Delete; the Delete key works in both.
    if (CurrentLanguage() == Lang::Chinese) {
        menu->addAction(commands_->Action(ID_COMMENT_ADD));
        menu->addAction(commands_->Action(ID_COMMENT_DELETE));
    }
    menu->addSeparator();
    menu->addAction(commands_->Action(ID_COMMENT_LOAD));
    menu->addAction(commands_->Action(ID_COMMENT_EXPORT));
    return menu;
}

void CCommentView::contextMenuEvent(QContextMenuEvent* event) {
    // A right click on a row chooses it first, as a list control does.
    const QPoint inList = list_->viewport()->mapFrom(this, event->pos());
    const QModelIndex hit = list_->indexAt(inList);
    if (event->reason() == QContextMenuEvent::Mouse && hit.isValid()) {
        list_->selectRow(hit.row());
    }
    QMenu* menu = BuildPopup();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CCommentView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The header's stretch keeps Comment 2 filling the rest of the width.
    list_->horizontalHeader()->setStretchLastSection(true);
}

void CCommentView::Modify() {
    CCommentGrp* group = doc_.CurrentGroup();
    const int row = SelectedRow();
    if (group == nullptr || row < 0 || static_cast<std::size_t>(row) >= group->GetSize()) {
        return;
    }
    const CCommentItem item = group->GetAt(static_cast<std::size_t>(row));
    CEditCommentDlg dialog(
        CEditCommentDlg::Mode::Modify,
        CElemCommentData{item.AddressText(), item.symbol, item.comment1, item.comment2},
        [this](const CElemCommentData& entered) {
            return CheckElemCommentDialog(entered, messages_);
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const CElemCommentData entered = dialog.Data();
    // The table may have changed while the dialog was open; the row is looked up again.
    CCommentGrp* now = doc_.CurrentGroup();
    if (now == nullptr) {
        return;
    }
    ModifyCommentAt(doc_.Comments(), *now, static_cast<std::size_t>(row), entered.symbol,
                    entered.comment1, entered.comment2);
    SelectRow(row);
}

void CCommentView::Add() {
    CElemCommentData values;
    const CCommentGrp* group = doc_.CurrentGroup();
    const int row = SelectedRow();
    if (group != nullptr && row >= 0 && static_cast<std::size_t>(row) < group->GetSize()) {
        const CCommentItem& item = group->GetAt(static_cast<std::size_t>(row));
        values = {item.AddressText(), item.symbol, item.comment1, item.comment2};
    }
    CCommentList& comments = doc_.Comments();
    CEditCommentDlg dialog(
        CEditCommentDlg::Mode::Add, values,
        [this, &comments](const CElemCommentData& entered) {
            if (!CheckElemCommentDialog(entered, messages_)) {
                return false;
            }
            // An address the table cannot keep (a plain number, L...) would be dropped
            // silently once the dialog is closed; the user is told while it is open.
            if (!CommentAddressOf(comments, entered.address)) {
                messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_COMMENT_NO_GROUP, MbIcon::Error);
                return false;
            }
            return true;
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const CElemCommentData entered = dialog.Data();
    if (!AddComment(comments, entered.address, entered.symbol, entered.comment1,
                    entered.comment2)) {
        return;
    }
    // The new item is chosen when it is in the group shown.
    const CCommentGrp* shown = doc_.CurrentGroup();
    const std::optional<LDADDR> addr = CommentAddressOf(comments, entered.address);
    if (shown != nullptr && addr) {
        for (std::size_t i = 0; i < shown->GetSize(); ++i) {
            if (shown->GetAt(i).address == *addr) {
                SelectRow(static_cast<int>(i));
            }
        }
    }
}

void CCommentView::Delete() {
    const CCommentGrp* group = doc_.CurrentGroup();
    const int row = SelectedRow();
    if (group == nullptr || row < 0) {
        return;
    }
    if (DeleteCommentAt(doc_.Comments(), *group, static_cast<std::size_t>(row))) {
        SelectRow(std::min(row, model_->rowCount() - 1));
    }
}

QString CCommentView::AskTextFile(bool save) {
    QFileDialog dialog(this, QString(), fileDirectory_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(Tr(IDS_COMMENT_TEXT_FILTER).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void CCommentView::Export() {
    const CCommentGrp* group = doc_.CurrentGroup();
    if (group == nullptr) {
        return;
    }
    const QString path = AskTextFile(true);
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!ExportComments(*doc_.CurrentGroup(), QFile::encodeName(path).toStdString(), &error)) {
        messages_.ShowMessage(LoadString(IDS_CAPTION_ERROR),
                              LoadString(IDS_EXPORT_FILE_FAILED) + "\n" + Utf8ToGbk(error),
                              MbIcon::Error, MbButtons::Ok);
        return;
    }
    SelectLastRow();
    messages_.ShowMessage(IDS_CAPTION_OK, IDS_IMPORT_FINISHED, MbIcon::Information);
}

void CCommentView::Load() {
    if (doc_.CurrentGroup() == nullptr) {
        return;
    }
    const QString path = AskTextFile(false);
    if (path.isEmpty()) {
        return;
    }
    CCommentGrp* group = doc_.CurrentGroup();
    if (group == nullptr ||
        !LoadComments(doc_.Comments(), *group, QFile::encodeName(path).toStdString())) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_IMPORT_FILE_FAILED, MbIcon::Error);
        return;
    }
    SelectLastRow();
    messages_.ShowMessage(IDS_CAPTION_OK, IDS_IMPORT_FINISHED, MbIcon::Information);
}

}  // namespace varno
