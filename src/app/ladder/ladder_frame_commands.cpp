// The ladder window's command table and what is built from it: menus, context menus, the
// ladder toolbar with its function chooser, and the keys.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/ladder/ladder_command_ids.h"
#include "app/ladder/ladder_frame.h"
#include "app/ladder/ladder_icons.h"
#include "app/ladder/ladder_widget.h"
#include "app/qt_text.h"
#include "model/catalog.h"
#include "platform/strings/app_ladder.h"

namespace varno {

namespace {

constexpr int FUNCTION_BOX_WIDTH = 100;

struct CKeyedCommand {
    int id;
    StrId text;
    QList<QKeySequence> keys;
    void (CLadderView::*run)();
};

}  // namespace

void CLadderFrame::AddCommands() {
    const std::initializer_list<CKeyedCommand> viewCommands = {
        {ID_INSERT_COMMENT, IDS_CMD_INSERT_COMMENT, {}, &CLadderView::OnInsertComment},
        {ID_INSERT_ROW, IDS_CMD_INSERT_ROW, {QKeySequence("Ctrl+I")}, &CLadderView::OnInsertRow},
        {ID_INSERT_ROW_AFTER, IDS_CMD_INSERT_ROW_AFTER, {}, &CLadderView::OnInsertRowAfter},
        {ID_DELETE_ROW, IDS_CMD_DELETE_ROW, {}, &CLadderView::OnDeleteRow},
        {ID_CONTACT, IDS_CMD_CONTACT, {QKeySequence(Qt::Key_F4)}, &CLadderView::OnContact},
        {ID_COIL, IDS_CMD_COIL, {QKeySequence(Qt::Key_F5)}, &CLadderView::OnCoil},
        {ID_FUNCTION, IDS_CMD_FUNCTION, {QKeySequence(Qt::Key_F6)}, &CLadderView::OnFunction},
        {ID_LINE_RIGHT,
         IDS_CMD_LINE_RIGHT,
         {QKeySequence("Ctrl+Right")},
         &CLadderView::OnLineRight},
        {ID_LINE_DOWN, IDS_CMD_LINE_DOWN, {QKeySequence("Ctrl+Down")}, &CLadderView::OnLineDown},
        {ID_DELETE_LINE_DOWN,
         IDS_CMD_DELETE_LINE_DOWN,
         {QKeySequence("Ctrl+Shift+Down")},
         &CLadderView::OnDeleteLineDown},
        {ID_LINE_UP, IDS_CMD_LINE_UP, {QKeySequence("Ctrl+Up")}, &CLadderView::OnLineUp},
        {ID_DELETE_LINE_UP,
         IDS_CMD_DELETE_LINE_UP,
         {QKeySequence("Ctrl+Shift+Up")},
         &CLadderView::OnDeleteLineUp},
        {ID_ELEM_COMMENT,
         IDS_CMD_ELEM_COMMENT,
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
         &CLadderView::OnElemComment},
        {ID_PROPERTY, IDS_CMD_PROPERTY, {}, &CLadderView::OnProperty},
        {ID_BACKSPACE, StrId{}, {QKeySequence(Qt::Key_Backspace)}, &CLadderView::OnBackspace},
        {ID_DELETE, StrId{}, {QKeySequence(Qt::Key_Delete)}, &CLadderView::OnDelete},
        {ID_CUT,
         IDS_CMD_CUT,
         {QKeySequence("Ctrl+X"), QKeySequence("Shift+Delete")},
         &CLadderView::OnCut},
        {ID_PASTE,
         IDS_CMD_PASTE,
         {QKeySequence("Ctrl+V"), QKeySequence("Shift+Insert")},
         &CLadderView::OnPaste},
        {ID_UNDO,
         IDS_CMD_UNDO,
         {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")},
         &CLadderView::OnUndo},
        {ID_REDO, IDS_CMD_REDO, {QKeySequence("Ctrl+Y")}, &CLadderView::OnRedo},
        {ID_FIND, IDS_CMD_FIND, {QKeySequence("Ctrl+F")}, &CLadderView::OnFind},
        {ID_REPEAT, IDS_CMD_REPEAT, {QKeySequence(Qt::Key_F3)}, &CLadderView::OnRepeat},
        {ID_EDIT_BATCH, IDS_CMD_EDIT_BATCH, {}, &CLadderView::OnEditBatch},
        {ID_KEY_RIGHT, StrId{}, {QKeySequence(Qt::Key_Right)}, &CLadderView::OnKeyRight},
        {ID_KEY_LEFT, StrId{}, {QKeySequence(Qt::Key_Left)}, &CLadderView::OnKeyLeft},
        {ID_KEY_DOWN, StrId{}, {QKeySequence(Qt::Key_Down)}, &CLadderView::OnKeyDown},
        {ID_KEY_UP, StrId{}, {QKeySequence(Qt::Key_Up)}, &CLadderView::OnKeyUp},
        {ID_PAGE_DOWN, StrId{}, {QKeySequence(Qt::Key_PageDown)}, &CLadderView::OnPageDown},
        {ID_PAGE_UP, StrId{}, {QKeySequence(Qt::Key_PageUp)}, &CLadderView::OnPageUp},
        {ID_CTRL_END, StrId{}, {QKeySequence("Ctrl+End")}, &CLadderView::OnCtrlEnd},
        {ID_CTRL_HOME, StrId{}, {QKeySequence("Ctrl+Home")}, &CLadderView::OnCtrlHome},
    };
    for (const CKeyedCommand& command : viewCommands) {
        CCommandSpec spec;
        spec.id = command.id;
        spec.text = command.text;
        auto run = command.run;
        spec.run = [this, run] {
            (view_.get()->*run)();
            RefreshState();
        };
        if (command.id == ID_PASTE) {
            spec.enabled = [this] { return view_->CanPaste(); };
        } else if (command.id == ID_UNDO) {
            spec.enabled = [this] { return doc_->CanUndo(); };
        } else if (command.id == ID_REDO) {
            spec.enabled = [this] { return doc_->CanRedo(); };
        }
        QAction* action = commands_->Add(std::move(spec));
        action->setShortcuts(command.keys);
    }

    QAction* copy = commands_->Add(
        {ID_COPY, IDS_CMD_COPY, {}, [this] { view_->OnCopy(), RefreshState(); }, {}, {}});
    copy->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")});
    commands_->Add({ID_FUNCTION_BOX,
                    IDS_CMD_FUNCTION_BOX,
                    {},
                    [this] {
                        const QVariant number =
                            functionBox_ ? functionBox_->currentData() : QVariant();
                        view_->OnFunctionBox(number.isValid() ? number.toInt() : 0);
                        RefreshState();
                    },
                    {},
                    {}});

    commands_->Add({ID_SAVE, IDS_CMD_SAVE, QKeySequence("Ctrl+S"), [this] { Save(); }, {}, {}});
    commands_->Add({ID_SAVE_AS, IDS_CMD_SAVE_AS, {}, [this] { SaveAs(); }, {}, {}});
    commands_->Add({ID_COMPILE,
                    IDS_CMD_COMPILE,
                    {},
                    [this] { Compile(); },
                    [this] { return context_.app != nullptr; },
                    {}});
    commands_->Add({ID_GENERATE_ROM,
                    IDS_CMD_GENERATE_ROM,
                    {},
                    [this] { GenerateRom(); },
                    [this] { return context_.app != nullptr; },
                    {}});
    commands_->Add({ID_PRINT, IDS_CMD_PRINT, QKeySequence("Ctrl+P"), [this] { Print(); }, {}, {}});
    commands_->Add(
        {ID_PRINT_PREVIEW, IDS_CMD_PRINT_PREVIEW, {}, [this] { PrintPreview(); }, {}, {}});
    commands_->Add({ID_EXPORT_PDF, IDS_CMD_EXPORT_PDF, {}, [this] { ExportPdf(); }, {}, {}});
}

void CLadderFrame::BuildMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(commands_->Action(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, commands_, &CCommandTable::UpdateStates);
        return menu;
    };
    const std::initializer_list<int> rowCommands = {ID_INSERT_COMMENT, ID_INSERT_ROW,
                                                    ID_INSERT_ROW_AFTER, ID_DELETE_ROW};
    const std::initializer_list<int> elementCommands = {
        ID_CONTACT,          ID_COIL,    ID_FUNCTION,      0, ID_LINE_RIGHT, ID_LINE_DOWN,
        ID_DELETE_LINE_DOWN, ID_LINE_UP, ID_DELETE_LINE_UP};

    QMenu* file = add(new QMenu(Tr(IDS_MENU_FILE), this),
                      {ID_SAVE, ID_SAVE_AS, 0, ID_PRINT, ID_PRINT_PREVIEW, ID_EXPORT_PDF});
    QMenu* edit =
        add(new QMenu(Tr(IDS_MENU_EDIT), this),
            {ID_UNDO, ID_REDO, 0, ID_CUT, ID_COPY, ID_PASTE, 0, ID_FIND, ID_REPEAT, ID_EDIT_BATCH});
    QMenu* ladder = add(new QMenu(Tr(IDS_MENU_LADDER), this), rowCommands);
    ladder->addSeparator();
    add(ladder, elementCommands);
    ladder->addSeparator();
    add(ladder, {ID_ELEM_COMMENT, ID_PROPERTY});
    QMenu* tool = add(new QMenu(Tr(IDS_MENU_TOOL), this), {ID_COMPILE, ID_GENERATE_ROM});
    menus_ = {file, edit, ladder, tool};
    for (QMenu* menu : menus_) {
        menuBar()->addMenu(menu);
    }

    // The pop-ups, by LadderPopup: Comment, Base, Func, Null.
    auto popup = [&](const char* name, bool elemComment, bool elements, bool property) {
        auto* menu = new QMenu(this);
        menu->setObjectName(name);
        if (elemComment) {
            add(menu, {ID_ELEM_COMMENT, 0});
        }
        add(menu, {ID_CUT, ID_COPY, ID_PASTE, 0});
        if (elements) {
            add(menu, {ID_INSERT_COMMENT});
        }
        add(menu, {ID_INSERT_ROW, ID_INSERT_ROW_AFTER, ID_DELETE_ROW});
        if (elements) {
            menu->addSeparator();
            add(menu, elementCommands);
        }
        if (property) {
            add(menu, {0, ID_PROPERTY});
        }
        return menu;
    };
    popups_[static_cast<int>(LadderPopup::Comment)] = popup("COMMENT POP", false, false, true);
    popups_[static_cast<int>(LadderPopup::Base)] = popup("LADDER BASE POP", true, true, true);
    popups_[static_cast<int>(LadderPopup::Func)] = popup("LADDER FUNC POP", false, true, true);
    popups_[static_cast<int>(LadderPopup::Null)] = popup("LADDER NULL POP", false, true, false);
    widget_->showPopup = [this](LadderPopup which, const QPoint& at) {
        commands_->UpdateStates();
        Popup(which)->popup(at);
    };
}

void CLadderFrame::BuildToolBar() {
    toolBar_ = addToolBar(Tr(IDS_LADDER_TOOLBAR));
    toolBar_->setObjectName("LadderToolBar");
    QFont font("Tohama", 9);
    toolBar_->setFont(font);
    auto add = [this](std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0) {
                toolBar_->addSeparator();
            } else {
                QAction* action = commands_->Action(id);
                action->setIcon(LadderCommandIcon(id));
                toolBar_->addAction(action);
            }
        }
    };
    add({ID_INSERT_COMMENT, ID_INSERT_ROW, ID_INSERT_ROW_AFTER, ID_DELETE_ROW, 0, ID_CONTACT,
         ID_COIL, ID_FUNCTION});
    functionBox_ = new QComboBox(toolBar_);
    functionBox_->setFont(font);
    functionBox_->setFixedWidth(FUNCTION_BOX_WIDTH);
    functionBox_->setFocusPolicy(Qt::ClickFocus);
    functionBox_->setToolTip(commands_->Action(ID_FUNCTION_BOX)->toolTip());
    for (std::uint16_t number : Category(0).members) {
        const std::string_view name = FuncName(number).value_or("");
        functionBox_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                              number);
    }
    functionBox_->setCurrentIndex(0);
    connect(functionBox_, &QComboBox::activated, this, [this] {
        commands_->Run(ID_FUNCTION_BOX);
        widget_->setFocus(Qt::OtherFocusReason);
    });
    toolBar_->addWidget(functionBox_);
    add({0, ID_LINE_RIGHT, ID_LINE_DOWN, ID_DELETE_LINE_DOWN, ID_LINE_UP, ID_DELETE_LINE_UP});
}

}  // namespace varno
