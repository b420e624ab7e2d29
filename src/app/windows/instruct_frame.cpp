#include "app/windows/instruct_frame.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/qt_text.h"
#include "app/windows/instruct_doc.h"
#include "app/windows/instruct_view.h"

namespace varno {

namespace {

void AddViewActions(CInstructView& view) {
    auto* save = new QAction(&view);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(save, &QAction::triggered, &view, [&view] { view.Document().Save(); });
    view.addAction(save);

    auto* print = new QAction(&view);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(print, &QAction::triggered, &view, [&view] {
        QPrinter printer;
        QPrintDialog dialog(&printer, &view);
        if (dialog.exec() == QDialog::Accepted) {
            view.PrintDocument(printer);
        }
    });
    view.addAction(print);
}

}  // namespace

CInstructView* CreateInstructView(const CInstructWindowContext& context, const std::string& path) {
    auto document =
        std::make_unique<CInstructDoc>(context.watch, context.reloadAll, context.messages);
    if (!document->Open(path)) {
        return nullptr;
    }
    auto* view = new CInstructView(std::move(document));
    // "[*]" shows the modified mark; the sub-window takes title and mark from its widget.
    view->setWindowTitle(QFileInfo(QString::fromStdString(path)).fileName() + "[*]");
    QObject::connect(view->document(), &QTextDocument::modificationChanged, view,
                     &QWidget::setWindowModified);
    AddViewActions(*view);
    return view;
}

CInstructView* FindInstructWindow(QMdiArea& area, const std::string& path) {
    for (QMdiSubWindow* frame : area.subWindowList()) {
        auto* view = qobject_cast<CInstructView*>(frame->widget());
        if (view != nullptr && view->Document().Path() == path) {
            return view;
        }
    }
    return nullptr;
}

CInstructView* OpenInstructWindow(const CInstructWindowContext& context, const std::string& path) {
    if (CInstructView* open = FindInstructWindow(context.area, path)) {
        context.area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    CInstructView* view = CreateInstructView(context, path);
    if (view == nullptr) {
        return nullptr;
    }
    QMdiSubWindow* frame = context.area.addSubWindow(view);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->show();
    return view;
}

}  // namespace varno
