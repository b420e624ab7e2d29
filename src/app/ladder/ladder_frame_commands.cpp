// The ladder window's own command table: each command of the list run on this window's view,
// and the menus, pop-ups, toolbar and keys built from it.
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <map>

#include "app/check/check_command_ids.h"
#include "app/ladder/ladder_command_ids.h"
#include "app/ladder/ladder_commands.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_widget.h"
#include "app/ladder/qt_draw_surface.h"
#include "app/qt_text.h"
#include "app/shell/command_ids.h"
#include "platform/strings/app_ladder.h"

namespace varno {

std::function<void()> CLadderFrame::Handler(int id) {
    using ViewCommand = void (CLadderView::*)();
    static const std::map<int, ViewCommand> viewCommands = {
        {ID_INSERT_COMMENT, &CLadderView::OnInsertComment},
        {ID_INSERT_ROW, &CLadderView::OnInsertRow},
        {ID_INSERT_ROW_AFTER, &CLadderView::OnInsertRowAfter},
        {ID_DELETE_ROW, &CLadderView::OnDeleteRow},
        {ID_CONTACT, &CLadderView::OnContact},
        {ID_COIL, &CLadderView::OnCoil},
        {ID_FUNCTION, &CLadderView::OnFunction},
        {ID_LINE_RIGHT, &CLadderView::OnLineRight},
        {ID_LINE_DOWN, &CLadderView::OnLineDown},
        {ID_DELETE_LINE_DOWN, &CLadderView::OnDeleteLineDown},
        {ID_LINE_UP, &CLadderView::OnLineUp},
        {ID_DELETE_LINE_UP, &CLadderView::OnDeleteLineUp},
        {ID_ELEM_COMMENT, &CLadderView::OnElemComment},
        {ID_PROPERTY, &CLadderView::OnProperty},
        {ID_BACKSPACE, &CLadderView::OnBackspace},
        {ID_DELETE, &CLadderView::OnDelete},
        {ID_CUT, &CLadderView::OnCut},
        {ID_PASTE, &CLadderView::OnPaste},
        {ID_UNDO, &CLadderView::OnUndo},
        {ID_REDO, &CLadderView::OnRedo},
        {ID_FIND, &CLadderView::OnFind},
        {ID_REPEAT, &CLadderView::OnRepeat},
        {ID_EDIT_BATCH, &CLadderView::OnEditBatch},
        {ID_KEY_RIGHT, &CLadderView::OnKeyRight},
        {ID_KEY_LEFT, &CLadderView::OnKeyLeft},
        {ID_KEY_DOWN, &CLadderView::OnKeyDown},
        {ID_KEY_UP, &CLadderView::OnKeyUp},
        {ID_PAGE_DOWN, &CLadderView::OnPageDown},
        {ID_PAGE_UP, &CLadderView::OnPageUp},
        {ID_CTRL_END, &CLadderView::OnCtrlEnd},
        {ID_CTRL_HOME, &CLadderView::OnCtrlHome},
    };
    if (auto it = viewCommands.find(id); it != viewCommands.end()) {
        const ViewCommand run = it->second;
        return [this, run] { (view_.get()->*run)(); };
    }
    switch (id) {
        case ID_COPY:
            return [this] { view_->OnCopy(); };
        case ID_FUNCTION_BOX:
            return [this] {
                const QVariant number = functionBox_ ? functionBox_->currentData() : QVariant();
                view_->OnFunctionBox(number.isValid() ? number.toInt() : 0);
            };
        case ID_SAVE:
            return [this] { Save(); };
        case ID_SAVE_AS:
            return [this] { SaveAs(); };
        case ID_COMPILE:
            return [this] { Compile(); };
        case ID_GENERATE_ROM:
            return [this] { GenerateRom(); };
        case ID_CHECK_PROJECT:
            return [this] { context_.checkProject(true); };
        case ID_CROSS_REFERENCE:
            return [this] { CrossReferenceAtCaret(); };
        case ID_PRINT:
            return [this] { Print(); };
        case ID_PRINT_PREVIEW:
            return [this] { PrintPreview(); };
        case ID_EXPORT_PDF:
            return [this] { ExportPdf(); };
        default:
            return {};
    }
}

void CLadderFrame::AddCommands() {
    for (const CLadderCommand& command : LadderCommands()) {
        CCommandInfo info;
        info.id = command.id;
        info.text = command.text;
        info.run = [this, run = Handler(command.id)] {
            run();
            RefreshState();
        };
        switch (command.id) {
            case ID_PASTE:
                info.enabled = [this] { return view_->CanPaste(); };
                break;
            case ID_UNDO:
                info.enabled = [this] { return doc_->CanUndo(); };
                break;
            case ID_REDO:
                info.enabled = [this] { return doc_->CanRedo(); };
                break;
            case ID_COMPILE:
            case ID_GENERATE_ROM:
                info.enabled = [this] { return context_.app != nullptr; };
                break;
            case ID_CHECK_PROJECT:
                info.enabled = [this] { return static_cast<bool>(context_.checkProject); };
                break;
            case ID_CROSS_REFERENCE:
                info.enabled = [this] { return static_cast<bool>(context_.crossReference); };
                break;
            default:
                break;
        }
        QAction* action = commands_->Add(std::move(info));
        action->setShortcuts(command.keys);
        if (!command.keys.isEmpty()) {
            keyedCommands_.push_back(command.id);
        }
    }
    // Save's key is the main window's; a window on its own gives it here.
    if (!context_.inMainWindow) {
        commands_->Action(ID_SAVE)->setShortcut(QKeySequence::Save);
    }
}

int CLadderFrame::Accelerator(const QKeyEvent& event) const {
    const QKeySequence key(event.keyCombination());
    for (int id : keyedCommands_) {
        if (commands_->Action(id)->shortcuts().contains(key)) {
            return id;
        }
    }
    return 0;
}

void CLadderFrame::BuildMenus() {
    menus_ = BuildLadderMenus(*commands_, this);
    if (!context_.inMainWindow) {
        for (QMenu* menu : menus_) {
            menuBar()->addMenu(menu);
        }
    }
    popups_ = BuildLadderPopups(*commands_, this);
    widget_->showPopup = [this](LadderPopup which, const QPoint& at) {
        commands_->UpdateStates();
        Popup(which)->popup(at);
    };
}

void CLadderFrame::BuildToolBar() {
    CLadderToolBarActions bar = LadderToolBarActions(*commands_, this);
    toolActions_ = bar.actions;
    functionBox_ = bar.functionBox;
    connect(functionBox_, &QComboBox::activated, widget_,
            [this] { widget_->setFocus(Qt::OtherFocusReason); });
    if (!context_.inMainWindow) {
        toolBar_ = addToolBar(Tr(IDS_LADDER_TOOLBAR));
        toolBar_->setObjectName("LadderToolBar");
        toolBar_->setFont(ToolBarFont());
        toolBar_->addActions(toolActions_);
    }
}

// --- In the main window -------------------------------------------------------------------------

// The main window's document commands carry the numbers of the window's own.
static_assert(ID_SAVE == ID_FILE_SAVE && ID_PRINT == ID_FILE_PRINT && ID_CUT == ID_EDIT_CUT &&
              ID_COPY == ID_EDIT_COPY && ID_PASTE == ID_EDIT_PASTE && ID_UNDO == ID_EDIT_UNDO &&
              ID_REDO == ID_EDIT_REDO);

QList<QMenu*> CLadderFrame::WindowMenus() const {
    return menus_.mid(1);
}

QList<QAction*> CLadderFrame::FileMenuActions(int after) const {
    switch (after) {
        case ID_FILE_SAVE:
            return {commands_->Action(ID_SAVE_AS)};
        case ID_FILE_PRINT:
            return {commands_->Action(ID_PRINT_PREVIEW), commands_->Action(ID_EXPORT_PDF)};
        default:
            return {};
    }
}

void CLadderFrame::UpdateWindowStates() {
    commands_->UpdateStates();
}

void CLadderFrame::SetPartsChanged(std::function<void()> changed) {
    partsChanged_ = std::move(changed);
}

bool CLadderFrame::CanRunShellCommand(int id) const {
    return commands_->IsEnabled(id);
}

void CLadderFrame::RunShellCommand(int id) {
    commands_->Run(id);
}

}  // namespace varno
