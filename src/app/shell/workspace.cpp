#include "app/shell/workspace.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "app/dialogs/add_sub_program_dlg.h"
#include "app/dialogs/version_dlg.h"
#include "app/qt_text.h"
#include "app/shell/app_fonts.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "platform/strings/app_shell.h"
#include "project/subprograms.h"

namespace varno {

namespace {

constexpr int ROLE_HAS_DATA = Qt::UserRole;
constexpr int ROLE_KIND = Qt::UserRole + 1;
constexpr int ROLE_COMMAND = Qt::UserRole + 2;
constexpr int ROLE_NAME = Qt::UserRole + 3;

constexpr int IMAGE_ITEM = 2;
constexpr int IMAGE_FOLDER = 3;

// The popup of each node kind, in kind order. Both editions carry the Chinese resource's
// entries: the English one had no way to reload, delete or rename a subprogram.
const std::vector<std::vector<int>>& Popups() {
    static const std::vector<std::vector<int>> popups = {
        {ID_VERSION_OPEN},
        {ID_COMMENT_OPEN, ID_COMMENT_OPTIONS},
        {ID_LADDER_OPEN, ID_RELOAD_PROGRAMS, ID_LADDER_OPTIONS},
        {ID_INSTRUCT_OPEN},
        {ID_PARAM_OPEN, ID_PARAM_OPTIONS},
        {ID_ADD_SUBPROGRAM, ID_RELOAD_PROGRAMS},
        {ID_ADD_SUBPROGRAM, ID_RELOAD_PROGRAMS, ID_DELETE_SUBPROGRAM, ID_SUBPROGRAM_PROPERTY},
    };
    return popups;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

CWorkspaceTree::CWorkspaceTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("WorkspaceTree");
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setFont(ShellFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
}

bool CWorkspaceTree::HasData(const QTreeWidgetItem* item) {
    return item != nullptr && item->data(0, ROLE_HAS_DATA).toBool();
}

CTreeNodeData CWorkspaceTree::Data(const QTreeWidgetItem* item) {
    if (!HasData(item)) {
        return {};
    }
    return {item->data(0, ROLE_KIND).toInt(), item->data(0, ROLE_COMMAND).toInt(),
            item->data(0, ROLE_NAME).toByteArray().toStdString()};
}

void CWorkspaceTree::SetData(QTreeWidgetItem* item, const CTreeNodeData& data) {
    item->setData(0, ROLE_HAS_DATA, true);
    item->setData(0, ROLE_KIND, data.kind);
    item->setData(0, ROLE_COMMAND, data.command);
    item->setData(0, ROLE_NAME, QByteArray::fromStdString(data.name));
}

void CWorkspaceTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (QTreeWidgetItem* item = currentItem()) {
        emit NodeActivated(item);
    }
}

void CWorkspaceTree::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item =
        event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (item == nullptr) {
        return;
    }
    setCurrentItem(item);
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : viewport()->mapToGlobal(visualItemRect(item).center());
    emit NodeMenuRequested(item, at);
}

void CWorkspaceTree::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit NodeActivated(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

CWorkspace::CWorkspace(CMainFrame& frame)
    : QDockWidget(Tr(IDS_WORKSPACE_WINDOW), &frame),
      frame_(frame),
      tree_(new CWorkspaceTree(this)),
      commands_(new CCommandTable(tree_)) {
    // The tree hides while no project is open; the pane around it keeps the bar's width, which
    // a dock bar whose only widget is hidden would lose.
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    setWidget(pane);
    tree_->hide();
    CreateCommands();
    connect(tree_, &CWorkspaceTree::NodeActivated, this, &CWorkspace::RunNodeCommand);
    connect(tree_, &CWorkspaceTree::NodeMenuRequested, this, &CWorkspace::ShowNodeMenu);
    commentWatch_ = frame_.App().Comments().Subscribe([this] { RefreshSubprogramLabels(); });
}

void CWorkspace::CreateCommands() {
    CDocumentTypes& types = frame_.DocumentTypes();
    auto registered = [&types](DocKind kind) {
        return [&types, kind] { return types.IsRegistered(kind); };
    };
    auto hasPathDialog = [this] { return static_cast<bool>(frame_.pathDialog); };
    auto hasName = [this] { return !Selected().name.empty(); };
    commands_->Add({ID_VERSION_OPEN, IDS_POP_OPEN, {}, [this] { OnVersionOpen(); }});
    commands_->Add({ID_COMMENT_OPEN,
                    IDS_POP_OPEN,
                    {},
                    [this] { OnCommentOpen(); },
                    registered(DocKind::Comment)});
    commands_->Add({ID_LADDER_OPEN,
                    IDS_POP_OPEN,
                    {},
                    [this] { OnLadderOpen(); },
                    registered(DocKind::Ladder)});
    commands_->Add({ID_INSTRUCT_OPEN,
                    IDS_POP_OPEN,
                    {},
                    [this] { OnInstructionOpen(); },
                    registered(DocKind::Instruction)});
    commands_->Add({ID_PARAM_OPEN,
                    IDS_POP_OPEN,
                    {},
                    [this] { OnParameterOpen(); },
                    registered(DocKind::Parameter)});
    commands_->Add({ID_COMMENT_OPTIONS,
                    IDS_POP_OPTIONS,
                    {},
                    [this] { OnPathOptions(&CProjectFiles::comment); },
                    hasPathDialog});
    commands_->Add({ID_LADDER_OPTIONS,
                    IDS_POP_OPTIONS,
                    {},
                    [this] { OnPathOptions(&CProjectFiles::ladder); },
                    hasPathDialog});
    commands_->Add({ID_PARAM_OPTIONS,
                    IDS_POP_PARAM_OPTIONS,
                    {},
                    [this] { OnPathOptions(&CProjectFiles::param); },
                    hasPathDialog});
    commands_->Add({ID_ADD_SUBPROGRAM, IDS_POP_ADD_SUBPROGRAM, {}, [this] { OnAddSubprogram(); }});
    commands_->Add({ID_DELETE_SUBPROGRAM,
                    IDS_POP_DELETE_SUBPROGRAM,
                    {},
                    [this] { OnDeleteSubprogram(); },
                    hasName});
    commands_->Add({ID_SUBPROGRAM_PROPERTY,
                    IDS_POP_SUBPROGRAM_PROPERTY,
                    {},
                    [this] { OnSubprogramProperty(); },
                    hasName});
    commands_->Add({ID_RELOAD_PROGRAMS, IDS_POP_RELOAD, {}, [this] { OnReload(); }});
}

void CWorkspace::Retranslate() {
    setWindowTitle(Tr(IDS_WORKSPACE_WINDOW));
    commands_->Retranslate();
}

QTreeWidgetItem* CWorkspace::AddItem(QTreeWidgetItem* parent, const QString& text, int image) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parent);
    item->setText(0, text);
    item->setIcon(
        0, style()->standardIcon(image == IMAGE_FOLDER ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
    return item;
}

QTreeWidgetItem* CWorkspace::AddNode(QTreeWidgetItem* parent, const QString& text, int image,
                                     const CTreeNodeData& data) {
    QTreeWidgetItem* item = AddItem(parent, text, image);
    CWorkspaceTree::SetData(item, data);
    return item;
}

void CWorkspace::BuildProjectTree(const QString& projectPath) {
    tree_->clear();
    rootItem_ = AddItem(nullptr, Tr(IDS_TREE_WORKSPACE), IMAGE_FOLDER);
    projectItem_ = AddItem(nullptr, Tr(IDS_TREE_PROJECT_PATH), IMAGE_FOLDER);
    AddNode(projectItem_, Tr(IDS_TREE_VERSION), IMAGE_ITEM, {NODE_VERSION, ID_VERSION_OPEN, {}});
    AddNode(projectItem_, Tr(IDS_TREE_COMMENT), IMAGE_ITEM, {NODE_COMMENT, ID_COMMENT_OPEN, {}});
    AddNode(projectItem_, Tr(IDS_TREE_PARAMETER), IMAGE_ITEM, {NODE_PARAMETER, ID_PARAM_OPEN, {}});
    ladderItem_ =
        AddNode(projectItem_, Tr(IDS_TREE_LADDER), IMAGE_FOLDER, {NODE_LADDER, ID_LADDER_OPEN, {}});
    for (StrId level : {IDS_LEVEL1, IDS_LEVEL2}) {
        AddNode(ladderItem_, Tr(level), IMAGE_ITEM,
                {NODE_LEVEL_PROGRAM, ID_LADDER_OPEN, LoadString(level)});
    }
    folderItem_ = AddNode(ladderItem_, Tr(IDS_TREE_SUBPROGRAM_FOLDER), IMAGE_FOLDER,
                          {NODE_SUBPROGRAM_FOLDER, 0, {}});
    AddNode(projectItem_, Tr(IDS_TREE_INSTRUCTION), IMAGE_ITEM,
            {NODE_INSTRUCTION, ID_INSTRUCT_OPEN, {}});
    projectItem_->setText(0, projectPath);
    projectItem_->setToolTip(0, projectPath);
    tree_->show();
    AddSubprogramNodes();
    projectItem_->setExpanded(true);
    ladderItem_->setExpanded(true);
}

void CWorkspace::ClearProjectTree() {
    tree_->clear();
    rootItem_ = projectItem_ = ladderItem_ = folderItem_ = nullptr;
    tree_->hide();
}

QString CWorkspace::ProjectPath() const {
    return projectItem_ == nullptr ? QString() : projectItem_->text(0);
}

std::string CWorkspace::SubprogramLabelOf(const std::string& name) const {
    CVARNOApp& app = frame_.App();
    return SubprogramLabel(name, app.Comments(), app.Display().showComment2 != 0);
}

// Nodes stand in the program list's order, also for one added later.
QTreeWidgetItem* CWorkspace::AddSubprogramNode(const std::string& name) {
    if (folderItem_ == nullptr) {
        return nullptr;
    }
    const std::vector<std::string> names = SubprogramNodeNames(frame_.App().Programs());
    int at = 0;
    for (const std::string& listed : names) {
        if (listed == name) {
            break;
        }
        if (FindProgramNode(listed) != nullptr) {
            ++at;
        }
    }
    auto* item = new QTreeWidgetItem;
    folderItem_->insertChild(at, item);
    item->setText(0, FromGbk(SubprogramLabelOf(name)));
    item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    CWorkspaceTree::SetData(item, {NODE_SUBPROGRAM, ID_LADDER_OPEN, name});
    return item;
}

void CWorkspace::AddSubprogramNodes() {
    for (const std::string& name : SubprogramNodeNames(frame_.App().Programs())) {
        AddSubprogramNode(name);
    }
}

void CWorkspace::RemoveSubprogramNodes() {
    if (folderItem_ != nullptr) {
        qDeleteAll(folderItem_->takeChildren());
    }
}

void CWorkspace::RebuildSubprogramNodes() {
    RemoveSubprogramNodes();
    AddSubprogramNodes();
}

void CWorkspace::RefreshSubprogramLabels() {
    if (folderItem_ == nullptr) {
        return;
    }
    for (int i = 0; i < folderItem_->childCount(); ++i) {
        QTreeWidgetItem* item = folderItem_->child(i);
        const std::string name = CWorkspaceTree::Data(item).name;
        if (!IsSubprogramName(name)) {
            continue;
        }
        const QString label = FromGbk(SubprogramLabelOf(name));
        if (item->text(0) != label) {
            item->setText(0, label);
        }
    }
}

QTreeWidgetItem* CWorkspace::FindProgramNode(const std::string& name) const {
    if (ladderItem_ == nullptr) {
        return nullptr;
    }
    for (QTreeWidgetItem* parent : {ladderItem_, folderItem_}) {
        for (int i = 0; i < parent->childCount(); ++i) {
            if (CWorkspaceTree::Data(parent->child(i)).name == name) {
                return parent->child(i);
            }
        }
    }
    return nullptr;
}

CTreeNodeData CWorkspace::Selected() const {
    return CWorkspaceTree::Data(tree_->currentItem());
}

void CWorkspace::RunNodeCommand(QTreeWidgetItem* item) {
    const CTreeNodeData data = CWorkspaceTree::Data(item);
    if (data.command != 0) {
        commands_->Run(data.command);
    }
}

QMenu* CWorkspace::BuildPopup(QTreeWidgetItem* item) {
    if (!CWorkspaceTree::HasData(item)) {
        return nullptr;
    }
    const int kind = CWorkspaceTree::Data(item).kind;
    if (kind < 0 || kind >= static_cast<int>(Popups().size())) {
        return nullptr;
    }
    tree_->setCurrentItem(item);
    commands_->UpdateStates();
    auto* menu = new QMenu(tree_);
    for (int id : Popups()[static_cast<std::size_t>(kind)]) {
        menu->addAction(commands_->Action(id));
    }
    return menu;
}

void CWorkspace::ShowNodeMenu(QTreeWidgetItem* item, const QPoint& globalPos) {
    if (QMenu* menu = BuildPopup(item)) {
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(globalPos);
    }
}

void CWorkspace::OnVersionOpen() {
    CVersionDlg dialog(frame_.App().Versions(), this);
    if (dialog.exec() == QDialog::Accepted) {
        frame_.App().SetVersionModified(true);
    }
}

void CWorkspace::OnCommentOpen() {
    const std::string path = frame_.App().GetFullPath(frame_.App().Files().comment);
    frame_.DocumentTypes().Open(DocKind::Comment,
                                {QString::fromStdString(path), !FileExists(path)});
}

void CWorkspace::OnParameterOpen() {
    const std::string path = frame_.App().GetFullPath(frame_.App().Files().param);
    frame_.DocumentTypes().Open(DocKind::Parameter,
                                {QString::fromStdString(path), !FileExists(path)});
}

void CWorkspace::OnInstructionOpen() {
    const std::string path = frame_.App().GetFullPath(frame_.App().Files().instruct);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        frame_.Messages().ShowMessage(IDS_CAPTION_ERROR, IDS_COMPILE_FIRST, MbIcon::Error);
        return;
    }
    file.close();
    frame_.DocumentTypes().Open(DocKind::Instruction, {QString::fromStdString(path), false});
}

void CWorkspace::OnLadderOpen() {
    const CTreeNodeData data = Selected();
    if (!data.name.empty()) {
        if (frame_.CloseLadderDocuments(true) == -1) {
            return;
        }
        frame_.OpenProgram(data.name);
        return;
    }
    CVARNOApp& app = frame_.App();
    const std::string path = app.GetFullPath(app.Files().ladder);
    if (!FileExists(path)) {
        frame_.DocumentTypes().Open(DocKind::Ladder, {QString::fromStdString(path), true});
        return;
    }
    frame_.CloseLadderDocuments(false);
    std::string error;
    if (!SaveChangedProgramList(app, &error)) {
        // The file on disk lacks the unsaved programs; showing it would hide them.
        frame_.Messages().ShowMessage(LoadString(IDS_CAPTION_ERROR),
                                      LoadString(IDS_PROJECT_SAVE_FAILED) + "\n" + Utf8ToGbk(error),
                                      MbIcon::Error, MbButtons::Ok);
        return;
    }
    frame_.DocumentTypes().Open(DocKind::Ladder, {QString::fromStdString(path), false});
}

void CWorkspace::OnPathOptions(std::string CProjectFiles::*member) {
    CProjectFiles files = frame_.App().Files();
    const std::optional<std::string> path = frame_.pathDialog(this, files.*member);
    if (path) {
        files.*member = *path;
        frame_.App().SetFiles(files);
    }
}

void CWorkspace::OnAddSubprogram() {
    CAddSubProgramDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const CAddedSubprogram added = AddSubprogram(frame_.App(), dialog.Entry());
    if (added.created) {
        AddSubprogramNode(added.name);
    }
    RefreshSubprogramLabels();
    frame_.OpenProgram(added.name);
    frame_.UpdateProjectViews(2);
}

void CWorkspace::OnDeleteSubprogram() {
    const std::string name = Selected().name;
    if (name.empty()) {
        return;
    }
    frame_.CloseProgramDocument(name);
    if (!DeleteSubprogram(frame_.App(), name)) {
        return;
    }
    delete FindProgramNode(name);
    frame_.UpdateProjectViews(2);
}

void CWorkspace::OnSubprogramProperty() {
    const std::string name = Selected().name;
    if (name.empty()) {
        return;
    }
    CAddSubProgramDlg dialog(this, SubprogramEntryOf(name, frame_.App().Comments()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    SetSubprogramComment(frame_.App(), name, dialog.Entry());
    RefreshSubprogramLabels();
    frame_.UpdateProjectViews(2);
}

void CWorkspace::OnReload() {
    if (frame_.CloseLadderDocuments(true) == -1) {
        return;
    }
    frame_.CloseLadderDocuments(false);
    std::string error;
    if (!ReloadProgramList(frame_.App(), &error)) {
        frame_.Messages().ShowMessage(LoadString(IDS_CAPTION_ERROR),
                                      LoadString(IDS_RELOAD_FAILED) + "\n" + Utf8ToGbk(error),
                                      MbIcon::Error, MbButtons::Ok);
    }
    RebuildSubprogramNodes();
}

}  // namespace varno
