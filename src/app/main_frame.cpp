#include "app/main_frame.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "app/qt_text.h"

namespace varno {

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      mdiArea_(new QMdiArea(this)),
      outputBar_(new QDockWidget(Tr(IDS_OUTPUT_WINDOW), this)),
      outputEdit_(new QPlainTextEdit(outputBar_)),
      workspaceBar_(new QDockWidget(Tr(IDS_WORKSPACE_WINDOW), this)),
      workspaceTree_(new QTreeWidget(workspaceBar_)) {
    setWindowTitle(Tr(IDS_MAIN_TITLE));
    setCentralWidget(mdiArea_);

    outputBar_->setObjectName("OutputBar");
    outputEdit_->setReadOnly(true);
    outputBar_->setWidget(outputEdit_);
    addDockWidget(Qt::BottomDockWidgetArea, outputBar_);

    workspaceBar_->setObjectName("WorkspaceBar");
    workspaceTree_->setHeaderHidden(true);
    workspaceBar_->setWidget(workspaceTree_);
    addDockWidget(Qt::LeftDockWidgetArea, workspaceBar_);

    resize(1024, 768);
}

void CMainFrame::AppendLine(const std::string& line) {
    outputBar_->show();
    outputEdit_->appendPlainText(FromGbk(line));
}

void CMainFrame::ClearOutput() {
    outputEdit_->clear();
}

}  // namespace varno
