// The main window: the multiple-document area, the output bar and the workspace bar.
#pragma once

#include <QMainWindow>

#include "platform/output.h"

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

    QMdiArea* MdiArea() const { return mdiArea_; }
    QDockWidget* OutputBar() const { return outputBar_; }
    QDockWidget* WorkspaceBar() const { return workspaceBar_; }
    QPlainTextEdit* OutputEdit() const { return outputEdit_; }

private:
    QMdiArea* mdiArea_;
    QDockWidget* outputBar_;
    QPlainTextEdit* outputEdit_;
    QDockWidget* workspaceBar_;
    QTreeWidget* workspaceTree_;
};

}  // namespace varno
