#include "app/shell/output_bar.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

#include "app/qt_text.h"
#include "app/shell/app_fonts.h"
#include "app/shell/command_ids.h"
#include "app/shell/command_table.h"
#include "platform/strings/app_shell.h"

namespace varno {

COutputEdit::COutputEdit(QWidget* parent)
    : QPlainTextEdit(parent), commands_(new CCommandTable(this)) {
    setObjectName("OutputEdit");
    setReadOnly(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(ShellFont());
    // Read-only text keeps the colours of an editable window, not the grey of a disabled one.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Active, QPalette::Base));
    colours.setColor(QPalette::Text, colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);

    commands_->Add({ID_EDIT_COPY,
                    IDS_CMD_COPY_OUTPUT,
                    {},
                    [this] { copy(); },
                    [this] { return textCursor().hasSelection(); }});
    commands_->Add({ID_EDIT_SELECT_ALL,
                    IDS_CMD_SELECT_ALL,
                    {},
                    [this] {
                        selectAll();
                        ensureCursorVisible();
                    },
                    [this] { return length_ > 0; }});
    commands_->Add({ID_EDIT_CLEAR_ALL,
                    IDS_CMD_CLEAR_ALL,
                    {},
                    [this] { ClearAll(); },
                    [this] { return length_ > 0; }});
}

void COutputEdit::AppendLine(const QString& line) {
    if (length_ > TRIM_ABOVE) {
        RemoveFirstChars(TRIM_CHARS);
    }
    appendPlainText(line);
    length_ += static_cast<int>(line.size()) + 2;
    moveCursor(QTextCursor::End);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void COutputEdit::ClearAll() {
    clear();
    length_ = 0;
}

// Counted as the stored text: every line break is CR LF, two characters.
void COutputEdit::RemoveFirstChars(int count) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    int removed = 0;
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int stored = block.length() - 1 + 2;
        if (removed + stored > count) {
            break;
        }
        removed += stored;
        ++lines;
    }
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, lines);
    // What is left of the budget cuts into the next line; a cut inside its CR LF leaves the
    // line break.
    const QTextBlock partial = cursor.block();
    const int rest = std::min(count - removed, partial.length() - 1);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, rest);
    cursor.removeSelectedText();
    length_ -= removed + rest;
}

QMenu* COutputEdit::BuildContextMenu() {
    commands_->UpdateStates();
    auto* menu = new QMenu(Tr(IDS_OUTPUT_WINDOW), this);
    menu->addAction(commands_->Action(ID_EDIT_COPY));
    menu->addAction(commands_->Action(ID_EDIT_SELECT_ALL));
    menu->addSeparator();
    menu->addAction(commands_->Action(ID_EDIT_CLEAR_ALL));
    return menu;
}

void COutputEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = BuildContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

COutputBar::COutputBar(QWidget* parent)
    : QDockWidget(Tr(IDS_OUTPUT_WINDOW), parent), edit_(new COutputEdit(this)) {
    setWidget(edit_);
}

void COutputBar::Retranslate() {
    setWindowTitle(Tr(IDS_OUTPUT_WINDOW));
    edit_->Commands().Retranslate();
}

}  // namespace varno
