#include "app/ladder/ladder_commands.h"

#include <QComboBox>
#include <QMenu>
#include <QWidgetAction>

#include "app/check/check_command_ids.h"
#include "app/ladder/ladder_command_ids.h"
#include "app/ladder/ladder_icons.h"
#include "app/ladder/qt_draw_surface.h"
#include "app/qt_text.h"
#include "app/shell/command_table.h"
#include "model/catalog.h"
#include "platform/strings/app_check.h"
#include "platform/strings/app_ladder.h"

namespace varno {

namespace {

constexpr int FUNCTION_BOX_WIDTH = 100;

QKeySequence Key(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

const std::initializer_list<int> ROW_COMMANDS = {ID_INSERT_COMMENT, ID_INSERT_ROW,
                                                 ID_INSERT_ROW_AFTER, ID_DELETE_ROW};
const std::initializer_list<int> ELEMENT_COMMANDS = {
    ID_CONTACT,          ID_COIL,    ID_FUNCTION,      0, ID_LINE_RIGHT, ID_LINE_DOWN,
    ID_DELETE_LINE_DOWN, ID_LINE_UP, ID_DELETE_LINE_UP};

void AddItems(QMenu* menu, CCommandTable& commands, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (id == 0) {
            menu->addSeparator();
        } else {
            menu->addAction(commands.Action(id));
        }
    }
}

QMenu* NewMenu(CCommandTable& commands, QWidget* parent, StrId title) {
    auto* menu = new QMenu(title == StrId{} ? QString() : Tr(title), parent);
    QObject::connect(menu, &QMenu::aboutToShow, &commands, &CCommandTable::UpdateStates);
    return menu;
}

}  // namespace

std::span<const CLadderCommand> LadderCommands() {
    static const CLadderCommand commands[] = {
        {ID_INSERT_COMMENT, IDS_CMD_INSERT_COMMENT, {}},
        {ID_INSERT_ROW, IDS_CMD_INSERT_ROW, {Key("Ctrl+I")}},
        {ID_INSERT_ROW_AFTER, IDS_CMD_INSERT_ROW_AFTER, {}},
        {ID_DELETE_ROW, IDS_CMD_DELETE_ROW, {}},
        {ID_CONTACT, IDS_CMD_CONTACT, {QKeySequence(Qt::Key_F4)}},
        {ID_COIL, IDS_CMD_COIL, {QKeySequence(Qt::Key_F5)}},
        {ID_FUNCTION, IDS_CMD_FUNCTION, {QKeySequence(Qt::Key_F6)}},
        {ID_FUNCTION_BOX, IDS_CMD_FUNCTION_BOX, {}},
        {ID_LINE_RIGHT, IDS_CMD_LINE_RIGHT, {Key("Ctrl+Right")}},
        {ID_LINE_DOWN, IDS_CMD_LINE_DOWN, {Key("Ctrl+Down")}},
        {ID_DELETE_LINE_DOWN, IDS_CMD_DELETE_LINE_DOWN, {Key("Ctrl+Shift+Down")}},
        {ID_LINE_UP, IDS_CMD_LINE_UP, {Key("Ctrl+Up")}},
        {ID_DELETE_LINE_UP, IDS_CMD_DELETE_LINE_UP, {Key("Ctrl+Shift+Up")}},
        {ID_ELEM_COMMENT,
         IDS_CMD_ELEM_COMMENT,
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}},
        {ID_PROPERTY, IDS_CMD_PROPERTY, {}},
        {ID_BACKSPACE, StrId{}, {QKeySequence(Qt::Key_Backspace)}},
        {ID_DELETE, StrId{}, {QKeySequence(Qt::Key_Delete)}},
        {ID_CUT, IDS_CMD_CUT, {Key("Ctrl+X"), Key("Shift+Delete")}},
        {ID_COPY, IDS_CMD_COPY, {Key("Ctrl+C"), Key("Ctrl+Insert")}},
        {ID_PASTE, IDS_CMD_PASTE, {Key("Ctrl+V"), Key("Shift+Insert")}},
        {ID_UNDO, IDS_CMD_UNDO, {Key("Ctrl+Z"), Key("Alt+Backspace")}},
        {ID_REDO, IDS_CMD_REDO, {Key("Ctrl+Y")}},
        {ID_FIND, IDS_CMD_FIND, {Key("Ctrl+F")}},
        {ID_REPEAT, IDS_CMD_REPEAT, {QKeySequence(Qt::Key_F3)}},
        {ID_EDIT_BATCH, IDS_CMD_EDIT_BATCH, {}},
        {ID_KEY_RIGHT, StrId{}, {QKeySequence(Qt::Key_Right)}},
        {ID_KEY_LEFT, StrId{}, {QKeySequence(Qt::Key_Left)}},
        {ID_KEY_DOWN, StrId{}, {QKeySequence(Qt::Key_Down)}},
        {ID_KEY_UP, StrId{}, {QKeySequence(Qt::Key_Up)}},
        {ID_PAGE_DOWN, StrId{}, {QKeySequence(Qt::Key_PageDown)}},
        {ID_PAGE_UP, StrId{}, {QKeySequence(Qt::Key_PageUp)}},
        {ID_CTRL_END, StrId{}, {Key("Ctrl+End")}},
        {ID_CTRL_HOME, StrId{}, {Key("Ctrl+Home")}},
        {ID_PRINT, IDS_CMD_PRINT, {Key("Ctrl+P")}},
        {ID_PRINT_PREVIEW, IDS_CMD_PRINT_PREVIEW, {}},
        {ID_EXPORT_PDF, IDS_CMD_EXPORT_PDF, {}},
        {ID_SAVE, IDS_CMD_SAVE, {}},
        {ID_SAVE_AS, IDS_CMD_SAVE_AS, {}},
        {ID_COMPILE, IDS_CMD_COMPILE, {}},
        {ID_GENERATE_ROM, IDS_CMD_GENERATE_ROM, {}},
        {ID_CHECK_PROJECT, IDS_CMD_CHECK_PROJECT, {}},
        {ID_CROSS_REFERENCE, IDS_CMD_CROSS_REFERENCE, {Key("Shift+F12")}},
    };
    return commands;
}

QList<QMenu*> BuildLadderMenus(CCommandTable& commands, QWidget* parent) {
    QMenu* file = NewMenu(commands, parent, IDS_MENU_FILE);
    AddItems(file, commands, {ID_SAVE, ID_SAVE_AS, 0, ID_PRINT, ID_PRINT_PREVIEW});
    AddItems(file, commands, {ID_EXPORT_PDF});
    QMenu* edit = NewMenu(commands, parent, IDS_MENU_EDIT);
    AddItems(edit, commands, {ID_UNDO, ID_REDO, 0, ID_CUT, ID_COPY, ID_PASTE, 0, ID_FIND});
    AddItems(edit, commands, {ID_REPEAT, ID_EDIT_BATCH});
    QMenu* ladder = NewMenu(commands, parent, IDS_MENU_LADDER);
    AddItems(ladder, commands, ROW_COMMANDS);
    ladder->addSeparator();
    AddItems(ladder, commands, ELEMENT_COMMANDS);
    AddItems(ladder, commands, {0, ID_ELEM_COMMENT, ID_PROPERTY});
    QMenu* tool = NewMenu(commands, parent, IDS_MENU_TOOL);
    AddItems(tool, commands,
             {ID_COMPILE, ID_GENERATE_ROM, 0, ID_CHECK_PROJECT, ID_CROSS_REFERENCE});
    return {file, edit, ladder, tool};
}

std::array<QMenu*, 4> BuildLadderPopups(CCommandTable& commands, QWidget* parent) {
    auto popup = [&](const char* name, bool elemComment, bool elements, bool property) {
        QMenu* menu = NewMenu(commands, parent, StrId{});
        menu->setObjectName(QString::fromLatin1(name));
        if (elemComment) {
            AddItems(menu, commands, {ID_ELEM_COMMENT, 0});
        }
        AddItems(menu, commands, {ID_CUT, ID_COPY, ID_PASTE, 0});
        if (elements) {
            AddItems(menu, commands, {ID_INSERT_COMMENT});
        }
        AddItems(menu, commands, {ID_INSERT_ROW, ID_INSERT_ROW_AFTER, ID_DELETE_ROW});
        if (elements) {
            menu->addSeparator();
            AddItems(menu, commands, ELEMENT_COMMANDS);
        }
        if (property) {
            AddItems(menu, commands, {0, ID_PROPERTY});
        }
        return menu;
    };
    std::array<QMenu*, 4> popups{};
    popups[static_cast<int>(LadderPopup::Comment)] = popup("COMMENT POP", false, false, true);
    popups[static_cast<int>(LadderPopup::Base)] = popup("LADDER BASE POP", true, true, true);
    popups[static_cast<int>(LadderPopup::Func)] = popup("LADDER FUNC POP", false, true, true);
    popups[static_cast<int>(LadderPopup::Null)] = popup("LADDER NULL POP", false, true, false);
    return popups;
}

CLadderToolBarActions LadderToolBarActions(CCommandTable& commands, QWidget* parent) {
    CLadderToolBarActions bar;
    auto add = [&](std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0) {
                auto* separator = new QAction(parent);
                separator->setSeparator(true);
                bar.actions.append(separator);
            } else {
                QAction* action = commands.Action(id);
                action->setIcon(LadderCommandIcon(id));
                bar.actions.append(action);
            }
        }
    };
    add({ID_INSERT_COMMENT, ID_INSERT_ROW, ID_INSERT_ROW_AFTER, ID_DELETE_ROW, 0, ID_CONTACT,
         ID_COIL, ID_FUNCTION});
    // The widget action owns the chooser and lends it to the one bar it is on.
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("FunctionBox"));
    box->setFont(ToolBarFont());
    box->setFixedWidth(FUNCTION_BOX_WIDTH);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setToolTip(commands.Action(ID_FUNCTION_BOX)->toolTip());
    for (std::uint16_t number : Category(0).members) {
        const std::string_view name = FuncName(number).value_or("");
        box->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), number);
    }
    box->setCurrentIndex(0);
    QObject::connect(box, &QComboBox::activated, &commands,
                     [&commands] { commands.Run(ID_FUNCTION_BOX); });
    auto* chooser = new QWidgetAction(parent);
    chooser->setDefaultWidget(box);
    bar.actions.append(chooser);
    bar.functionBox = box;
    add({0, ID_LINE_RIGHT, ID_LINE_DOWN, ID_DELETE_LINE_DOWN, ID_LINE_UP, ID_DELETE_LINE_UP});
    return bar;
}

}  // namespace varno
