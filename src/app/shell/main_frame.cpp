#include "app/shell/main_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/check/check_bars.h"
#include "app/dialogs/lad_prop.h"
#include "app/qt_text.h"
#include "app/shell/about_dlg.h"
#include "app/shell/command_icons.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "app/shell/document_registrations.h"
#include "app/shell/options_sheet.h"
#include "app/shell/output_bar.h"
#include "app/shell/workspace.h"
#include "platform/strings/app_shell.h"
#include "project/options_values.h"
#include "project/recent_files.h"
#include "target/target_import.h"

namespace varno {

namespace {

constexpr int LADDER_TOOLBAR_ID = 135;
constexpr int DEFAULT_WORKSPACE_WIDTH = 280;
constexpr int DEFAULT_OUTPUT_HEIGHT = 160;
constexpr int SMALLEST_WIDTH = 1100;
constexpr int SMALLEST_HEIGHT = 760;
constexpr double FIRST_START_SCREEN_SHARE = 0.9;

std::string OsPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString DialogPath(QWidget* parent, bool save, StrId title, StrId filter, const QString& suffix) {
    QFileDialog dialog(parent, Tr(title), QString(), Tr(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, !save);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      mdiArea_(new QMdiArea(this)),
      messages_(this),
      app_(messages_),
      documentTypes_(new CDocumentTypes(mdiArea_)),
      commands_(new CCommandTable(this)),
      outputBar_(new COutputBar(this)),
      workspace_(new CWorkspace(*this)) {
    setObjectName("MainFrame");
    setCentralWidget(mdiArea_);
    mdiArea_->setViewMode(QMdiArea::SubWindowView);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);
    CreateCommands();
    CreateToolBars();
    CreateMenus();
    CreateStatusBar();
    outputBar_->setObjectName("OutputBar");
    workspace_->setObjectName("WorkspaceBar");
    AddDockBar(outputBar_, COutputBar::BAR_ID, Qt::BottomDockWidgetArea);
    AddDockBar(workspace_, CWorkspace::BAR_ID, Qt::LeftDockWidgetArea);
    pathDialog = [](QWidget* owner, const std::string& path) -> std::optional<std::string> {
        CLadProp dialog(FromGbk(path), owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return ToGbk(dialog.Path());
    };
    RegisterDocumentTypes(*this);
    RegisterCheckBars(*this);

    connect(documentTypes_, &CDocumentTypes::WindowsChanged, this, [this] {
        UpdateWindowParts();
        UpdateTitle();
        UpdateCommandStates();
    });
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandStates(); });
    // Paste follows what the clipboard holds, whichever program put it there.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { UpdateCommandStates(); });
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    UpdateTitle();
    RebuildRecentMenu();
    UpdateCommandStates();
    if (!settings_.RestoreWindowPlacement(*this)) {
        // A first start: most of the screen, so that a ladder row and the tree fit side by
        // side; on a small screen the window manager fits the smallest usable size.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect free = screen != nullptr ? screen->availableGeometry() : QRect();
        const QSize size = free.size() * FIRST_START_SCREEN_SHARE;
        if (size.width() < SMALLEST_WIDTH || size.height() < SMALLEST_HEIGHT) {
            resize(SMALLEST_WIDTH, SMALLEST_HEIGHT);
        } else {
            setGeometry(QRect(free.center() - QPoint(size.width() / 2, size.height() / 2), size));
        }
    }
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    // The document windows must not tell this frame anything while they go.
    RemoveWindowParts();
    disconnect(documentTypes_, nullptr, this, nullptr);
    // They go first, while the services they were opened with (the instruction windows' file
    // watch, the ladder windows' dialogs and clipboard) still exist: the children of this frame
    // are deleted in an order that does not put the windows first.
    qDeleteAll(mdiArea_->subWindowList());
    // The base class closes the window once the members are gone; that close asks nothing.
    destroying_ = true;
}

// --- Commands, menus, bars ----------------------------------------------------------------------

void CMainFrame::CreateCommands() {
    CCommandTable& t = *commands_;
    auto projectOpen = [this] { return IsProjectOpen(); };
    t.Add({ID_FILE_NEW, IDS_CMD_NEW, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { OnFileNew(); }});
    t.Add(
        {ID_FILE_OPEN, IDS_CMD_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OnFileOpen(); }});
    t.Add({ID_CLOSE_WORKSPACE,
           IDS_CMD_CLOSE_WORKSPACE,
           {},
           [this] { OnCloseWorkspace(); },
           projectOpen});
    t.Add({ID_IMPORT_ROM,
           IDS_CMD_IMPORT_ROM,
           {},
           [this] { OnImportRom(); },
           [this] { return app_.Profile().IsLoaded(); }});
    t.Add({ID_OPTIONS, IDS_CMD_OPTIONS, {}, [this] { OnOptions(); }, projectOpen});
    t.Add({ID_APP_EXIT, IDS_CMD_EXIT, {}, [this] { close(); }});
    t.Add({ID_APP_ABOUT, IDS_CMD_ABOUT, {}, [this] { OnAbout(); }});

    // Commands of the active document window.
    const std::pair<int, StrId> documentCommands[] = {
        {ID_FILE_SAVE, IDS_SHELL_CMD_SAVE},   {ID_EDIT_CUT, IDS_SHELL_CMD_CUT},
        {ID_EDIT_COPY, IDS_SHELL_CMD_COPY},   {ID_EDIT_PASTE, IDS_SHELL_CMD_PASTE},
        {ID_EDIT_UNDO, IDS_SHELL_CMD_UNDO},   {ID_EDIT_REDO, IDS_SHELL_CMD_REDO},
        {ID_FILE_PRINT, IDS_SHELL_CMD_PRINT},
    };
    const QKeySequence documentKeys[] = {
        QKeySequence(Qt::CTRL | Qt::Key_S), {}, {}, {}, {}, {}, QKeySequence(Qt::CTRL | Qt::Key_P),
    };
    int k = 0;
    for (const auto& [id, text] : documentCommands) {
        const int command = id;
        t.Add({command, text, documentKeys[k++], [this, command] { RunOnActiveDocument(command); },
               [this, command] { return CanRunOnActiveDocument(command); }});
    }

    AddToggle(ID_VIEW_TOOLBAR, IDS_CMD_TOOLBAR, [this]() -> QWidget* { return mainToolBar_; });
    AddToggle(ID_VIEW_LADDER_BAR, IDS_CMD_LADDER_BAR,
              [this]() -> QWidget* { return ladderToolBar_; });
    AddToggle(ID_VIEW_STATUS_BAR, IDS_CMD_STATUS_BAR, [this]() -> QWidget* { return statusBar(); });
    AddToggle(ID_VIEW_WORKSPACE, IDS_CMD_WORKSPACE, [this]() -> QWidget* { return workspace_; });
    AddToggle(ID_VIEW_OUTPUT_BAR, IDS_CMD_OUTPUT_BAR, [this]() -> QWidget* { return outputBar_; });
    t.Add({ID_NEXT_PANE, IDS_CMD_NEXT_PANE, QKeySequence(Qt::Key_F6), [this] { CyclePane(1); }});
    t.Add({ID_PREV_PANE, IDS_CMD_PREV_PANE, QKeySequence(Qt::SHIFT | Qt::Key_F6),
           [this] { CyclePane(-1); }});
    for (int i = 0; i < static_cast<int>(CRecentFileList::SIZE); ++i) {
        QAction* action =
            t.Add({ID_FILE_MRU_FIRST + i, StrId{}, {}, [this, i] { OnRecentFile(i); }});
        recentActions_.append(action);
    }
}

void CMainFrame::AddToggle(int id, StrId text, std::function<QWidget*()> widget) {
    commands_->Add({id,
                    text,
                    {},
                    [this, widget] {
                        QWidget* bar = widget();
                        bar->setVisible(!bar->isVisibleTo(this));
                    },
                    {},
                    [this, widget] { return widget()->isVisibleTo(this); }});
}

void CMainFrame::AddViewToggle(int id, StrId text, QDockWidget* bar) {
    AddToggle(id, text, [bar]() -> QWidget* { return bar; });
    viewMenu_->addAction(commands_->Action(id));
}

void CMainFrame::CreateToolBars() {
    mainToolBar_ = new QToolBar(this);
    mainToolBar_->setObjectName("MainToolBar");
    mainToolBar_->setMovable(true);
    mainToolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    mainToolBar_->setIconSize(QSize(20, 20));
    const int buttons[] = {ID_FILE_NEW,
                           ID_FILE_OPEN,
                           ID_FILE_SAVE,
                           0,
                           ID_EDIT_CUT,
                           ID_EDIT_COPY,
                           ID_EDIT_PASTE,
                           0,
                           ID_EDIT_UNDO,
                           ID_EDIT_REDO,
                           0,
                           ID_VIEW_WORKSPACE,
                           ID_VIEW_OUTPUT_BAR,
                           0,
                           ID_FILE_PRINT,
                           0,
                           ID_APP_ABOUT};
    for (int id : buttons) {
        if (id == 0) {
            mainToolBar_->addSeparator();
            continue;
        }
        QAction* action = commands_->Action(id);
        action->setIcon(CommandIcon(id, *style()));
        mainToolBar_->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, mainToolBar_);

    // The ladder window fills this bar with its commands and the function chooser.
    ladderToolBar_ = new QToolBar(this);
    ladderToolBar_->setObjectName(QString("LadderToolBar%1").arg(LADDER_TOOLBAR_ID));
    ladderToolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, ladderToolBar_);
}

void CMainFrame::CreateMenus() {
    fileMenu_ = menuBar()->addMenu(Tr(IDS_SHELL_MENU_FILE));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_CLOSE_WORKSPACE}) {
        fileMenu_->addAction(commands_->Action(id));
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_->Action(ID_FILE_SAVE));
    fileMenu_->addAction(commands_->Action(ID_FILE_PRINT));
    filePrintSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(commands_->Action(ID_IMPORT_ROM));
    fileMenu_->addAction(commands_->Action(ID_OPTIONS));
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addActions(recentActions_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(commands_->Action(ID_APP_EXIT));

    viewMenu_ = menuBar()->addMenu(Tr(IDS_MENU_VIEW));
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_LADDER_BAR, ID_VIEW_STATUS_BAR, ID_VIEW_WORKSPACE,
                   ID_VIEW_OUTPUT_BAR}) {
        viewMenu_->addAction(commands_->Action(id));
    }
    helpMenu_ = menuBar()->addMenu(Tr(IDS_MENU_HELP));
    helpMenu_->addAction(commands_->Action(ID_APP_ABOUT));
    for (QMenu* menu : {fileMenu_, viewMenu_, helpMenu_}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
    }
}

void CMainFrame::CreateStatusBar() {
    statusPane_ = new QLabel(Tr(IDS_STATUS_PANE), this);
    statusPane_->setObjectName("StatusPane900");
    statusBar()->addPermanentWidget(statusPane_);
    const StrId locks[] = {IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCRL};
    for (int i = 0; i < 3; ++i) {
        lockPanes_[i] = new QLabel(Tr(locks[i]), this);
        lockPanes_[i]->setObjectName(QString("StatusLock%1").arg(i));
        lockPanes_[i]->setAlignment(Qt::AlignCenter);
        lockPanes_[i]->setMinimumWidth(lockPanes_[i]->fontMetrics().horizontalAdvance("SCRL") + 12);
        statusBar()->addPermanentWidget(lockPanes_[i]);
    }
    UpdateLockIndicators();
}

// The lock keys' states come from their key presses; off until the first one.
void CMainFrame::UpdateLockIndicators() {
    for (int i = 0; i < 3; ++i) {
        lockPanes_[i]->setEnabled(locks_[i]);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int lock = key == Qt::Key_CapsLock     ? 0
                         : key == Qt::Key_NumLock    ? 1
                         : key == Qt::Key_ScrollLock ? 2
                                                     : -1;
        if (lock >= 0 && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            locks_[lock] = !locks_[lock];
            UpdateLockIndicators();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::AddDockBar(QDockWidget* bar, int barId, Qt::DockWidgetArea area) {
    if (bar->objectName().isEmpty()) {
        bar->setObjectName(QString("Bar%1").arg(barId));
    }
    bar->setAllowedAreas(Qt::AllDockWidgetAreas);
    bar->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                     QDockWidget::DockWidgetFloatable);
    addDockWidget(area, bar);
    dockBars_.append({bar, barId});
    if (layoutRestored_) {
        restoreDockWidget(bar);
    }
}

void CMainFrame::UpdateCommandStates() {
    commands_->UpdateStates();
    if (auto* parts =
            partsWindow_ ? dynamic_cast<IWindowParts*>(partsWindow_->widget()) : nullptr) {
        parts->UpdateWindowStates();
    }
}

QMdiSubWindow* CMainFrame::CurrentDocumentWindow() const {
    // The area has no active window while a dialog or another program is active; the current
    // one is then the window that was active, so the menus stay while a dialog is open.
    QMdiSubWindow* current = mdiArea_->currentSubWindow();
    return CDocumentTypes::KindOf(current) ? current : nullptr;
}

void CMainFrame::RemoveWindowParts() {
    for (const QPointer<QAction>& action : std::as_const(documentMenuActions_)) {
        if (action) {
            menuBar()->removeAction(action);
        }
    }
    for (const QPointer<QAction>& action : std::as_const(fileWindowActions_)) {
        if (action) {
            fileMenu_->removeAction(action);
        }
    }
    for (const QPointer<QAction>& action : std::as_const(toolBarWindowActions_)) {
        if (action) {
            ladderToolBar_->removeAction(action);
        }
    }
    documentMenuActions_.clear();
    fileWindowActions_.clear();
    toolBarWindowActions_.clear();
    if (partsWindow_) {
        if (auto* parts = dynamic_cast<IWindowParts*>(partsWindow_->widget())) {
            parts->SetPartsChanged({});
        }
    }
    partsWindow_ = nullptr;
}

void CMainFrame::UpdateWindowParts() {
    QMdiSubWindow* current = CurrentDocumentWindow();
    if (current != nullptr && current == partsWindow_) {
        UpdateStatusPane();
        return;
    }
    RemoveWindowParts();
    partsWindow_ = current;
    const std::optional<DocKind> kind = CDocumentTypes::KindOf(current);
    if (const CDocumentType* type = kind ? documentTypes_->Type(*kind) : nullptr) {
        for (QMenu* menu : type->menus) {
            menuBar()->insertMenu(viewMenu_->menuAction(), menu);
            documentMenuActions_.append(menu->menuAction());
        }
    }
    auto* parts = current != nullptr ? dynamic_cast<IWindowParts*>(current->widget()) : nullptr;
    if (parts != nullptr) {
        for (QMenu* menu : parts->WindowMenus()) {
            menuBar()->insertMenu(viewMenu_->menuAction(), menu);
            documentMenuActions_.append(menu->menuAction());
        }
        const std::pair<int, QAction*> fileGroups[] = {
            {ID_FILE_SAVE, commands_->Action(ID_FILE_PRINT)},
            {ID_FILE_PRINT, filePrintSeparator_},
        };
        for (const auto& [after, before] : fileGroups) {
            const QList<QAction*> actions = parts->FileMenuActions(after);
            fileMenu_->insertActions(before, actions);
            fileWindowActions_.append({actions.begin(), actions.end()});
        }
        const QList<QAction*> buttons = parts->ToolBarActions();
        ladderToolBar_->addActions(buttons);
        toolBarWindowActions_.append({buttons.begin(), buttons.end()});
        parts->SetPartsChanged([this] {
            UpdateStatusPane();
            UpdateTitle();
            commands_->UpdateStates();
        });
    }
    UpdateStatusPane();
}

void CMainFrame::UpdateStatusPane() {
    auto* parts = partsWindow_ ? dynamic_cast<IWindowParts*>(partsWindow_->widget()) : nullptr;
    statusPane_->setText(parts != nullptr ? parts->StatusPaneText() : Tr(IDS_STATUS_PANE));
}

void CMainFrame::UpdateTitle() {
    QString title = Tr(IDS_MAIN_TITLE);
    if (QMdiSubWindow* active = CurrentDocumentWindow()) {
        QString document = active->windowTitle();
        document.replace("[*]", active->isWindowModified() ? "*" : "");
        if (!document.isEmpty()) {
            title += " - " + document;
        }
    }
    setWindowTitle(title);
}

void CMainFrame::RebuildRecentMenu() {
    const QStringList paths = settings_.RecentFiles();
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < paths.size());
        if (i < paths.size()) {
            action->setText(FromGbk(
                Format(LoadString(IDS_RECENT_ENTRY).c_str(), i + 1, ToGbk(paths[i]).c_str())));
        }
    }
    recentSeparator_->setVisible(!paths.isEmpty());
}

void CMainFrame::AddRecentFile(const QString& path) {
    std::vector<std::string> paths;
    for (const QString& p : settings_.RecentFiles()) {
        paths.push_back(p.toStdString());
    }
    CRecentFileList list(paths);
    list.Add(QFileInfo(path).absoluteFilePath().toStdString());
    QStringList stored;
    for (const std::string& p : list.Paths()) {
        stored.append(QString::fromStdString(p));
    }
    settings_.SetRecentFiles(stored);
    RebuildRecentMenu();
}

void CMainFrame::RemoveRecentFile(const QString& path) {
    QStringList paths = settings_.RecentFiles();
    paths.removeAll(path);
    settings_.SetRecentFiles(paths);
    RebuildRecentMenu();
}

void CMainFrame::CyclePane(int step) {
    QList<QWidget*> panes;
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow()) {
        panes.append(active->widget() != nullptr ? active->widget() : active);
    }
    if (workspace_->isVisible() && workspace_->Tree()->isVisible()) {
        panes.append(workspace_->Tree());
    }
    if (outputBar_->isVisible()) {
        panes.append(outputBar_->Edit());
    }
    if (panes.isEmpty()) {
        return;
    }
    int current = -1;
    for (int i = 0; i < panes.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && (focus == panes[i] || panes[i]->isAncestorOf(focus))) {
            current = i;
        }
    }
    const int size = static_cast<int>(panes.size());
    const int next = current < 0 ? (step > 0 ? 0 : size - 1) : (current + step + size) % size;
    panes[next]->setFocus(Qt::OtherFocusReason);
}

namespace {

IShellCommands* ShellCommandsOf(QMdiSubWindow* window) {
    return window == nullptr ? nullptr : dynamic_cast<IShellCommands*>(window->widget());
}

}  // namespace

bool CMainFrame::CanRunOnActiveDocument(int id) const {
    IShellCommands* target = ShellCommandsOf(CurrentDocumentWindow());
    return target != nullptr && target->CanRunShellCommand(id);
}

void CMainFrame::RunOnActiveDocument(int id) {
    if (IShellCommands* target = ShellCommandsOf(CurrentDocumentWindow())) {
        target->RunShellCommand(id);
    }
    UpdateCommandStates();
}

// --- Output -------------------------------------------------------------------------------------

void CMainFrame::AppendLine(const std::string& line) {
    outputBar_->show();
    outputBar_->Edit()->AppendLine(FromGbk(line));
}

void CMainFrame::ClearOutput() {
    outputBar_->Edit()->ClearAll();
}

// --- Project ------------------------------------------------------------------------------------

bool CMainFrame::IsProjectOpen() const {
    return !workspace_->ProjectPath().isEmpty();
}

bool CMainFrame::NewProject(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    workspace_->ClearProjectTree();
    if (!app_.OpenProject(OsPath(path), true)) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_NEW_PROJECT_FAILED, MbIcon::Error);
        UpdateCommandStates();
        return false;
    }
    workspace_->BuildProjectTree(QFileInfo(path).absoluteFilePath());
    emit ProjectOpened();
    UpdateCommandStates();
    return true;
}

bool CMainFrame::CloseWorkspace() {
    if (!IsProjectOpen()) {
        return true;
    }
    if (app_.SaveModifiedProject() != MbAnswer::Yes) {
        return false;
    }
    workspace_->ClearProjectTree();
    emit ProjectClosed();
    UpdateCommandStates();
    return true;
}

bool CMainFrame::OpenProjectPath(const QString& path) {
    // An empty path fails before it could close the open project.
    if (path.isEmpty()) {
        return false;
    }
    // No gives up the open project's changes; Cancel keeps the project open, unlike the
    // original, which opened the other one anyway and lost them.
    if (IsProjectOpen()) {
        const MbAnswer answer = app_.SaveModifiedProject();
        if (answer == MbAnswer::Cancel) {
            return false;
        }
        if (answer == MbAnswer::Yes) {
            workspace_->ClearProjectTree();
        }
    }
    if (!app_.OpenProject(OsPath(path), false)) {
        // The application object now holds no project file: the old tree would save into the
        // failed path.
        workspace_->ClearProjectTree();
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_OPEN_PROJECT_FAILED, MbIcon::Error);
        emit ProjectClosed();
        UpdateCommandStates();
        return false;
    }
    workspace_->BuildProjectTree(QFileInfo(path).absoluteFilePath());
    emit ProjectOpened();
    UpdateCommandStates();
    return true;
}

bool CMainFrame::OpenProjectFile(const QString& path) {
    return CloseAllDocuments() && OpenProjectPath(path);
}

bool CMainFrame::ReopenProject() {
    const QString path = workspace_->ProjectPath();
    return CloseAllDocuments() && OpenProjectPath(path);
}

bool CMainFrame::CloseAllDocuments() {
    return documentTypes_->CloseAll();
}

QMdiSubWindow* CMainFrame::OpenDocumentFile(const QString& path) {
    if (IsProjectDocumentPath(OsPath(path))) {
        OpenProjectFile(path);
        return nullptr;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::optional<DocKind> kind = documentTypes_->KindOfPath(absolute);
    if (!kind) {
        messages_.ShowMessage(
            LoadString(IDS_CAPTION_ERROR),
            Format(LoadString(IDS_NO_WINDOW_FOR_FILE).c_str(), ToGbk(absolute).c_str()),
            MbIcon::Error, MbButtons::Ok);
        return nullptr;
    }
    return documentTypes_->Open(*kind, {absolute, false});
}

void CMainFrame::OnFileNew() {
    if (app_.SaveModifiedProject() == MbAnswer::Cancel) {
        return;
    }
    const QString path = DialogPath(this, true, IDS_NEW_PROJECT_TITLE, IDS_PROJECT_FILTER, "KPJ");
    if (path.isEmpty() || !CloseAllDocuments()) {
        return;
    }
    NewProject(path);
}

void CMainFrame::OnFileOpen() {
    const QString path = DialogPath(this, false, IDS_OPEN_PROJECT_TITLE, IDS_PROJECT_FILTER, "KPJ");
    if (!path.isEmpty() && OpenProjectFile(path)) {
        AddRecentFile(path);
    }
}

void CMainFrame::OnRecentFile(int index) {
    const QStringList paths = settings_.RecentFiles();
    if (index < 0 || index >= paths.size()) {
        return;
    }
    const QString path = paths[index];
    if (OpenProjectFile(path)) {
        AddRecentFile(path);
    } else if (!QFileInfo::exists(path) || !IsProjectOpen()) {
        RemoveRecentFile(path);
    }
}

void CMainFrame::OnCloseWorkspace() {
    if (CloseAllDocuments()) {
        CloseWorkspace();
    }
}

void CMainFrame::OnImportRom() {
    if (app_.SaveModifiedProject() == MbAnswer::Cancel) {
        return;
    }
    const QString path = DialogPath(this, false, IDS_IMPORT_ROM_MENU, IDS_IMPORT_FILTER, "PLC");
    if (path.isEmpty()) {
        return;
    }
    if (ImportTargetFile(app_, OsPath(path), *this) == ImportResult::Imported) {
        ReopenProject();
    }
}

void CMainFrame::OnOptions() {
    COptionsSheet sheet(OptionsFromApp(app_), this);
    if (sheet.exec() != QDialog::Accepted) {
        return;
    }
    ApplyOptions(app_, sheet.Values());
    UpdateAllDocuments();
}

void CMainFrame::OnAbout() {
    CAboutDlg(this).exec();
}

// --- Ladder documents ---------------------------------------------------------------------------

QMdiSubWindow* CMainFrame::OpenProgram(const std::string& name) {
    if (app_.Programs().FindByName(name) == nullptr) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_FILE_CREATE_FAILED, MbIcon::Error);
        return nullptr;
    }
    return documentTypes_->Open(DocKind::Ladder, {FromGbk(name), false});
}

int CMainFrame::CloseLadderDocuments(bool check) {
    int closed = 0;
    for (QMdiSubWindow* window : documentTypes_->Windows(DocKind::Ladder)) {
        const QString key = CDocumentTypes::KeyOf(window);
        const bool modified = window->widget() != nullptr && window->widget()->isWindowModified();
        switch (LadderCloseDecision(check, OsPath(key), modified)) {
            case LadderCloseStep::Stop:
                messages_.ShowMessage(IDS_CAPTION_ATTENTION, IDS_SAVE_LADDER_FILE_FIRST,
                                      MbIcon::Information);
                return -1;
            case LadderCloseStep::Close:
                if (CDocumentTypes::CloseWindow(window)) {
                    closed = 1;
                }
                break;
            case LadderCloseStep::Keep:
                break;
        }
    }
    return closed;
}

void CMainFrame::CloseProgramDocument(const std::string& name) {
    const QString key = FromGbk(name);
    for (QMdiSubWindow* window : documentTypes_->Windows(DocKind::Ladder)) {
        if (CDocumentTypes::KeyOf(window) == key) {
            CDocumentTypes::CloseWindow(window);
        }
    }
}

void CMainFrame::UpdateProjectViews(int which) {
    if (which != 0) {
        emit ViewsUpdateRequested(DocKind::Comment);
    }
    if (which != 1) {
        emit ViewsUpdateRequested(DocKind::Ladder);
    }
    if (which != 2) {
        workspace_->RefreshSubprogramLabels();
    }
    emit ViewsUpdateRequested(DocKind::Parameter);
}

void CMainFrame::UpdateAllDocuments() {
    for (DocKind kind :
         {DocKind::Ladder, DocKind::Instruction, DocKind::Comment, DocKind::Parameter}) {
        emit ViewsUpdateRequested(kind);
    }
    workspace_->RefreshSubprogramLabels();
}

// --- Window events ------------------------------------------------------------------------------

void CMainFrame::showEvent(QShowEvent* event) {
    if (!layoutRestored_) {
        layoutRestored_ = true;
        if (!settings_.RestoreBarState(*this, dockBars_)) {
            // Once laid out: the hidden tree of an empty workspace would leave it a sliver.
            QTimer::singleShot(0, this, [this] {
                resizeDocks({workspace_}, {DEFAULT_WORKSPACE_WIDTH}, Qt::Horizontal);
                resizeDocks({outputBar_}, {DEFAULT_OUTPUT_HEIGHT}, Qt::Vertical);
            });
        }
    }
    QMainWindow::showEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    if (IsProjectOpen() && app_.SaveModifiedProject() == MbAnswer::Cancel) {
        event->ignore();
        return;
    }
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    settings_.SaveBarState(*this, dockBars_);
    settings_.SaveWindowPlacement(*this);
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            OpenDocumentFile(url.toLocalFile());
        }
    }
}

}  // namespace varno
