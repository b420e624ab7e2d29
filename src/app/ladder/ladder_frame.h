// CLadderFrame: the window of one ladder document (an MDI child). It holds the view widget,
// the information bar, the window's command table with the menus, context menus, toolbar
// buttons and function chooser built from it, and the document's save, compile and target file
// commands. Inside the main window its menus, buttons and caret position are shown on the main
// window's menu bar, ladder toolbar and status pane while it is the current window, and the
// main toolbar's document commands reach it; on its own it shows them on bars of its own.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/shell/command_table.h"
#include "app/shell/document_types.h"
#include "editor/editor_dialogs.h"
#include "editor/ladder_doc.h"
#include "editor/ladder_view.h"
#include "platform/clipboard.h"
#include "platform/message_service.h"
#include "platform/output.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;

namespace varno {

class CLadderBar;
class CLadderWidget;
class CVARNOApp;

// What every ladder window shares: the project, the platform services and the dialogs.
struct CLadderContext {
    ILadderProject* project = nullptr;
    IMessageService* messages = nullptr;
    IOutput* output = nullptr;
    IEditorDialogs* dialogs = nullptr;
    IClipboard* clipboard = nullptr;
    // The open project: display settings and the paths Compile and Generate ROM write to.
    // Without one, those two commands do nothing.
    CVARNOApp* app = nullptr;
    // Inside the main window: no bars of its own, and Save's key is the main window's.
    bool inMainWindow = false;
    // The project's check (shown: its list comes forward even when it finds nothing), run by
    // Check Project and after every Compile; and the cross reference of an address text (empty:
    // one is to be typed). Unset, their commands are disabled.
    std::function<void(bool shown)> checkProject;
    std::function<void(const std::string& pattern)> crossReference;
};

class CLadderFrame final : public QMainWindow, public IWindowParts, public IShellCommands {
    Q_OBJECT

public:
    // A window on a program (a name without a full stop) or a ladder file; nullptr when the
    // document does not open. An empty name makes a new, never-saved ladder.
    static CLadderFrame* Open(const CLadderContext& context, const std::string& name,
                              QWidget* parent = nullptr);
    ~CLadderFrame() override;

    CLadderDoc& Doc() const { return *doc_; }
    CLadderView& View() const { return *view_; }
    CLadderWidget* Widget() const { return widget_; }
    CLadderBar* Bar() const { return bar_; }
    CCommandTable& Commands() const { return *commands_; }
    QComboBox* FunctionBox() const { return functionBox_; }
    // The window's own ladder toolbar; null inside the main window.
    QToolBar* LadderToolBar() const { return toolBar_; }
    QMenu* Popup(LadderPopup which) const { return popups_[static_cast<int>(which)]; }
    // The window's own status pane; null inside the main window.
    QLabel* StatusPane() const { return statusPane_; }
    // File, Edit, Ladder, Tool.
    QList<QMenu*> Menus() const { return menus_; }

    // IWindowParts: Edit, Ladder and Tool after the main "&File", whose Save gets Save As and
    // whose Print gets Print Preview and Export PDF.
    QList<QMenu*> WindowMenus() const override;
    QList<QAction*> FileMenuActions(int after) const override;
    QList<QAction*> ToolBarActions() const override { return toolActions_; }
    QString StatusPaneText() const override;
    void UpdateWindowStates() override;
    void SetPartsChanged(std::function<void()> changed) override;

    // IShellCommands: the main toolbar's Save, Cut, Copy, Paste, Undo, Redo and Print run the
    // window's commands of the same numbers.
    bool CanRunShellCommand(int id) const override;
    void RunShellCommand(int id) override;

    // Save to the document's path, asking for one when there is none. True when written.
    bool Save();
    // Asks for a path and saves there. For a project program the whole program list is
    // written to the chosen file.
    bool SaveAs();
    // Where Save As writes without asking: set by tests and scripted runs.
    std::function<QString()> askSavePath;
    void Compile();
    void GenerateRom();
    // Every use of the address under the caret; without one, the pattern is to be typed.
    void CrossReferenceAtCaret();
    // The printer dialog, the preview and the direct PDF export, all through one page painter.
    void Print();
    void PrintPreview();
    void ExportPdf();
    // Writes the printed pages to a PDF file; false when it could not be written.
    bool WritePdf(const QString& path);
    // Paints the pages the printer's range asks for (all by default); the count painted.
    int PrintTo(QPrinter& printer);
    // Where Export PDF writes without asking: set by tests.
    std::function<QString()> askPdfPath;

    // Title, modified marker, status pane and command states again.
    void RefreshState();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CLadderFrame(const CLadderContext& context, QWidget* parent);
    // What the command runs on this window.
    std::function<void()> Handler(int id);
    void AddCommands();
    void BuildMenus();
    void BuildToolBar();
    void ApplyDisplaySettings();
    bool HasSavedPath() const;
    bool SaveTo(const std::string& path);
    QString DocumentTitle() const;
    // The command of the view's key table that the key runs; 0 for none.
    int Accelerator(const QKeyEvent& event) const;

    CLadderContext context_;
    std::unique_ptr<CLadderDoc> doc_;
    CLadderWidget* widget_;
    CLadderBar* bar_;
    std::unique_ptr<CLadderView> view_;
    CCommandTable* commands_;
    // The commands with keys of their own, in the order the table is searched.
    std::vector<int> keyedCommands_;
    QList<QMenu*> menus_;
    std::array<QMenu*, 4> popups_{};
    QList<QAction*> toolActions_;
    QToolBar* toolBar_ = nullptr;
    QComboBox* functionBox_ = nullptr;
    QLabel* statusPane_ = nullptr;
    std::function<void()> partsChanged_;
};

}  // namespace varno
