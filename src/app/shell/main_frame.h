// CMainFrame: the main window. The multiple-document area with the registered document types,
// the menus and toolbars built from one command table, the status bar with its five panes, the
// output bar at the bottom and the workspace at the left, and the project commands (New, Open,
// the recent files, Close Workspace, Import ROM File, Options) carried out through the
// application object CVARNOApp.
//
// Docking bars: every bar is added with AddDockBar (identifier and side); its place, its
// visibility and its sizes are then stored on closing and restored at the next start, under
// "VARNO_BarState" and the "VARNO_BarState-SCBar-<id>" groups of the settings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "app/shell/document_types.h"
#include "app/shell/qt_message_service.h"
#include "app/shell/shell_settings.h"
#include "platform/output.h"
#include "project/varno_app.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace varno {

class CCommandTable;
class COutputBar;
class CWorkspace;

class CMainFrame final : public QMainWindow, public IOutput {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- Output ------------------------------------------------------------------------------
    // Shows the output bar and appends the line (GBK).
    void AppendLine(const std::string& line) override;
    void ClearOutput() override;

    // --- Project -------------------------------------------------------------------------------
    // Creates the project at the path (not added to the recent files); false and "New project
    // failed!" when it cannot be created. An empty path does nothing.
    bool NewProject(const QString& path);
    // Closes the workspace, then opens the project ("Open project failed!" when it does not
    // open). Cancel to the question about the open project's changes keeps that project.
    bool OpenProjectPath(const QString& path);
    // Closes every document window first.
    bool OpenProjectFile(const QString& path);
    // Asks about a modified project; Yes (or nothing to save) clears and hides the tree.
    bool CloseWorkspace();
    // Closes every document window and opens the tree's project again.
    bool ReopenProject();
    // Closes every document window as the user would; false when one stays open.
    bool CloseAllDocuments();
    // A ".VP3" path opens as a project; any other path as a document of the type its
    // extension names (an open one is activated).
    QMdiSubWindow* OpenDocumentFile(const QString& path);
    bool IsProjectOpen() const;
    // The commands with their dialogs.
    void OnFileNew();
    void OnFileOpen();
    void OnRecentFile(int index);
    void OnCloseWorkspace();
    void OnImportRom();
    void OnOptions();
    void OnAbout();

    // --- Ladder documents, for the workspace ----------------------------------------------------
    // The window of the program, activated, or a new one; "File create failed!" when the
    // program list has no such program.
    QMdiSubWindow* OpenProgram(const std::string& name);
    // See LadderCloseDecision: -1 when a changed ladder file stopped the walk, 1 when a window
    // was closed, else 0.
    int CloseLadderDocuments(bool check);
    void CloseProgramDocument(const std::string& name);
    // which 0: all but the comment windows; 1: all but the ladders; 2: all but the tree's labels.
    void UpdateProjectViews(int which);
    void UpdateAllDocuments();

    // --- Parts for the windows that plug in ----------------------------------------------------
    CVARNOApp& App() { return app_; }
    IMessageService& Messages() { return messages_; }
    CDocumentTypes& DocumentTypes() { return *documentTypes_; }
    CCommandTable& Commands() { return *commands_; }
    CShellSettings& Settings() { return settings_; }
    QMdiArea* MdiArea() const { return mdiArea_; }
    COutputBar* OutputBar() const { return outputBar_; }
    CWorkspace* Workspace() const { return workspace_; }
    QToolBar* MainToolBar() const { return mainToolBar_; }
    QToolBar* LadderToolBar() const { return ladderToolBar_; }
    // Pane 900 of the status bar: the current window's status text (the ladder view's
    // "ln%d,col%d"), a run of blanks while no window gives one.
    QLabel* StatusPane() const { return statusPane_; }
    QMenu* FileMenu() const { return fileMenu_; }
    void AddDockBar(QDockWidget* bar, int barId, Qt::DockWidgetArea area);
    // A View menu entry that shows and hides the bar, checked while it is shown.
    void AddViewToggle(int id, StrId text, QDockWidget* bar);
    // Asks the diagnostics bar to check the project (shown: it comes forward even when the
    // check finds nothing), and the cross reference bar to list what the pattern picks (empty:
    // it waits for one to be typed).
    void RequestCheck(bool shown) { emit CheckRequested(shown); }
    void RequestCrossReference(const QString& pattern) { emit CrossReferenceRequested(pattern); }
    // Enabled and checked states of every command again, the current window's own among them;
    // windows call it when theirs change.
    void UpdateCommandStates();
    // The document window the menus, the bars and the document commands act on: the active
    // one, or while a dialog has the activation the one that was active before. Null when
    // there is none.
    QMdiSubWindow* CurrentDocumentWindow() const;

    // The path dialog of the Options commands in the workspace: the stored path in, the new
    // one out (nullopt for Cancel). Unset, those commands are disabled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& path)> pathDialog;

signals:
    // The windows of the kind should show the project's data again.
    void ViewsUpdateRequested(varno::DocKind kind);
    void ProjectOpened();
    void ProjectClosed();
    void CheckRequested(bool shown);
    void CrossReferenceRequested(const QString& pattern);

protected:
    // Quitting asks about the project, then each document window about its changes; a Cancel
    // keeps the window open. The bars' layout is stored.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateCommands();
    void AddToggle(int id, StrId text, std::function<QWidget*()> widget);
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    // Shows the menus, File entries, toolbar buttons and status text of the current window
    // (see IWindowParts) in place of the previous window's.
    void UpdateWindowParts();
    void RemoveWindowParts();
    void UpdateStatusPane();
    void RebuildRecentMenu();
    void UpdateTitle();
    void CyclePane(int step);
    void RunOnActiveDocument(int id);
    bool CanRunOnActiveDocument(int id) const;
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void UpdateLockIndicators();

    QMdiArea* mdiArea_;
    CQtMessageService messages_;
    CVARNOApp app_;
    CShellSettings settings_;
    CDocumentTypes* documentTypes_;
    CCommandTable* commands_;
    COutputBar* outputBar_;
    CWorkspace* workspace_;
    QToolBar* mainToolBar_ = nullptr;
    QToolBar* ladderToolBar_ = nullptr;
    QLabel* statusPane_ = nullptr;
    QLabel* lockPanes_[3] = {};
    bool locks_[3] = {};
    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    // What the current window put into the menus and the ladder toolbar; the window owns it.
    QPointer<QMdiSubWindow> partsWindow_;
    QList<QPointer<QAction>> documentMenuActions_;
    QList<QPointer<QAction>> fileWindowActions_;
    QList<QPointer<QAction>> toolBarWindowActions_;
    QAction* filePrintSeparator_ = nullptr;
    QList<CDockBarEntry> dockBars_;
    bool layoutRestored_ = false;
    bool destroying_ = false;
};

}  // namespace varno
