// Answers the reload question as a user would: whenever a CFileWatchDlg is open, it records
// what the dialog shows and clicks the scripted boxes and button.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

#include "app/dialogs/file_watch_dlg.h"

namespace varno::test {

class CDialogWatcher {
public:
    struct Seen {
        QString text;
        bool autoReloadShown;
        bool reloadAllShown;
    };
    struct Answer {
        bool ok = false;
        bool tickAutoReload = false;
    };

    CDialogWatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    std::deque<Answer> answers;  // once used up: Cancel
    std::vector<Seen> seen;

private:
    void Poll() {
        auto* dialog = qobject_cast<CFileWatchDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        seen.push_back({dialog->Message()->text(), dialog->AutoReloadBox()->isVisible(),
                        dialog->ReloadAllBox()->isVisible()});
        Answer answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (answer.tickAutoReload) {
            QTest::mouseClick(dialog->AutoReloadBox(), Qt::LeftButton, {},
                              QPoint(8, dialog->AutoReloadBox()->height() / 2));
        }
        QTest::mouseClick(answer.ok ? dialog->OkButton() : dialog->CancelButton(), Qt::LeftButton);
    }

    QTimer timer_;
};

}  // namespace varno::test
