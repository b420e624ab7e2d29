// The diagnostics bar: every finding of the project's last check, one line each with an icon for
// its severity, and the count of errors, warnings and notes above them. Activating a line (double
// click or Enter) asks for the finding's cell.
#pragma once

#include <QDockWidget>
#include <string>
#include <vector>

#include "check/diagnostics.h"

class QLabel;
class QListWidget;
class QToolButton;

namespace varno {

class CDiagnosticsBar final : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int BAR_ID = 121;

    // checkAction runs the check from the bar's own button.
    CDiagnosticsBar(QAction* checkAction, QWidget* parent);

    void ShowResult(const CCheckResult& result);
    // Back to "Not checked yet", for a closed project.
    void Clear();
    QListWidget* List() const { return list_; }
    QLabel* Summary() const { return summary_; }

signals:
    // A program's row (list index) and column (-1 when only the row is known), name in GBK.
    void CellRequested(const std::string& program, int row, int column);

private:
    struct CPlace {
        std::string program;
        int row;
        int column;
    };

    QLabel* summary_;
    QListWidget* list_;
    std::vector<CPlace> places_;
};

}  // namespace varno
