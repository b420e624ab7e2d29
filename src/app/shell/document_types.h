// The document types of the main window, in their order: ladder, instruction, comment,
// parameter. Each window folder registers its type once, with an opener that builds the MDI
// child's widget for a request; this registry then decides, for every type alike, whether a
// request names a window that is open already (it is activated instead) and which type a file
// handed to the application belongs to (by extension).
//
// To plug a window in, add one line to RegisterDocumentTypes (document_registrations.cpp):
//
//     frame.DocumentTypes().Register({DocKind::Comment, IDS_..., ".cmt",
//         [&frame](const CDocumentRequest& request) -> QWidget* { ... }, {commentMenu}});
//
// The opener gets the request's key: an absolute file path, or for the ladder type the name of
// a project program (a key without "."). With create set it makes a new document that takes
// the key as its path without reading it. It returns the widget (the registry wraps it in the
// MDI sub-window, deletes it on close and remembers kind and key), or nullptr after telling the
// user why. The widget keeps its window title and windowModified() current, asks about its own
// unsaved changes in closeEvent (ignore() keeps it open) and may implement IShellCommands so
// that the main toolbar's Save, Cut, Copy, Paste, Undo, Redo and Print reach it. A type's menus
// are shown after "&File" while one of its windows is active; a window that carries its own
// commands implements IWindowParts, and the main window shows its menus, File entries, ladder
// toolbar buttons and status text while it is the current window.
//
// A type not registered yet opens nothing: the commands that need it stay disabled.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "platform/string_table.h"

class QMdiArea;
class QAction;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace varno {

enum class DocKind { Ladder, Instruction, Comment, Parameter };
inline constexpr int DOC_KIND_COUNT = 4;

struct CDocumentRequest {
    QString key;          // absolute file path, or a program name for the ladder type
    bool create = false;  // a new document with that path, not read from it
};

using DocumentOpener = std::function<QWidget*(const CDocumentRequest& request)>;

struct CDocumentType {
    DocKind kind = DocKind::Ladder;
    StrId name{};       // the file-type name ("Ladder file", ...)
    QString extension;  // with its dot, compared ignoring case: ".vld"
    DocumentOpener open;
    QList<QMenu*> menus;
};

// Commands of the main toolbar that act on the active document window.
class IShellCommands {
public:
    virtual ~IShellCommands() = default;
    virtual bool CanRunShellCommand(int id) const = 0;
    virtual void RunShellCommand(int id) = 0;
};

// What a document window puts into the main window while it is the current one. The window
// keeps owning all of it; the main window takes it away again when another window becomes
// current or none is. The window calls the function handed to SetPartsChanged whenever its
// status text or one of its commands' states may have changed.
class IWindowParts {
public:
    virtual ~IWindowParts() = default;
    // Shown after the type's menus, before "&View".
    virtual QList<QMenu*> WindowMenus() const = 0;
    // The window's File menu entries that follow the main File menu's entry `after`
    // (ID_FILE_SAVE or ID_FILE_PRINT).
    virtual QList<QAction*> FileMenuActions(int after) const = 0;
    // The buttons (and widget actions) of the ladder toolbar.
    virtual QList<QAction*> ToolBarActions() const = 0;
    // The text of status pane 900.
    virtual QString StatusPaneText() const = 0;
    // Enabled states of the window's own commands again.
    virtual void UpdateWindowStates() = 0;
    virtual void SetPartsChanged(std::function<void()> changed) = 0;
};

class CDocumentTypes final : public QObject {
    Q_OBJECT

public:
    explicit CDocumentTypes(QMdiArea* area);

    void Register(CDocumentType type);
    bool IsRegistered(DocKind kind) const;
    const CDocumentType* Type(DocKind kind) const;

    // The window of the request's key when one is open (activated), else a new one from the
    // type's opener (activated). Null when the type is not registered or the opener failed.
    QMdiSubWindow* Open(DocKind kind, const CDocumentRequest& request);
    QMdiSubWindow* Find(DocKind kind, const QString& key) const;
    // The registered type whose extension the path's ends with.
    std::optional<DocKind> KindOfPath(const QString& path) const;
    QList<QMdiSubWindow*> Windows(DocKind kind) const;

    static std::optional<DocKind> KindOf(const QMdiSubWindow* window);
    static QString KeyOf(const QMdiSubWindow* window);
    // Closes the window as the user would (it may refuse); true when it is gone.
    static bool CloseWindow(QMdiSubWindow* window);
    // Closes every window; false when one refused (those after it are left open).
    bool CloseAll();

signals:
    // A window was opened or closed, or another one became active.
    void WindowsChanged();

private:
    static QString NormalKey(const QString& key);

    QMdiArea* area_;
    std::array<std::optional<CDocumentType>, DOC_KIND_COUNT> types_;
};

}  // namespace varno
