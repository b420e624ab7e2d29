#include "app/shell/main_frame.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
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
      workspaceTree_(new QTreeWidget(workspaceBar_)),
      messages_(this),
      app_(messages_) {
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

bool CMainFrame::OpenProjectPath(const QString& path) {
    // No means the open project's changes are given up; only Cancel keeps it.
    if (projectOpen_ && app_.SaveModifiedProject() == MbAnswer::Cancel) {
        return false;
    }
    if (path.isEmpty()) {
        return false;
    }
    projectOpen_ = app_.OpenProject(QFile::encodeName(path).toStdString(), false);
    if (!projectOpen_) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_OPEN_PROJECT_FAILED, MbIcon::Error);
    }
    return projectOpen_;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (projectOpen_ && app_.SaveModifiedProject() == MbAnswer::Cancel) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace varno
