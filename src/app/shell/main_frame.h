// The main window: the multiple-document area, the output bar and the workspace bar.
#pragma once

#include <QMainWindow>

#include "app/shell/qt_message_service.h"
#include "platform/output.h"
#include "project/varno_app.h"

class QDockWidget;
class QMdiArea;
class QPlainTextEdit;
class QTreeWidget;

namespace varno {

class CMainFrame final : public QMainWindow, public IOutput {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    void AppendLine(const std::string& line) override;
    void ClearOutput() override;

    // Opens a project file; an empty path fails quietly, a project that does not open is
    // reported to the user. The result says whether the project is open.
    bool OpenProjectPath(const QString& path);
    CVARNOApp& App() { return app_; }
    bool IsProjectOpen() const { return projectOpen_; }

    QMdiArea* MdiArea() const { return mdiArea_; }
    QDockWidget* OutputBar() const { return outputBar_; }
    QDockWidget* WorkspaceBar() const { return workspaceBar_; }
    QPlainTextEdit* OutputEdit() const { return outputEdit_; }

protected:
    // Quitting asks to save a modified project first; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* mdiArea_;
    QDockWidget* outputBar_;
    QPlainTextEdit* outputEdit_;
    QDockWidget* workspaceBar_;
    QTreeWidget* workspaceTree_;
    CQtMessageService messages_;
    CVARNOApp app_;
    bool projectOpen_ = false;
};

}  // namespace varno
