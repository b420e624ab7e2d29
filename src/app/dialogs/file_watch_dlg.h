// The reload question: the changed file's path, an empty line and the question, the check
// boxes "Auto reload the file" and "Reload all the file" where the watch offers them, OK and
// Cancel.
#pragma once

#include <QDialog>

#include "project/file_watch.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace varno {

class CFileWatchDlg final : public QDialog {
    Q_OBJECT

public:
    // A check box is shown only for a flag that is given, ticked when the flag is non-zero.
    CFileWatchDlg(QWidget* parent, const QString& text, const int* autoReload,
                  const int* reloadAll);

    bool AutoReload() const;
    bool ReloadAll() const;

    QLabel* Message() const { return message_; }
    QCheckBox* AutoReloadBox() const { return autoReload_; }
    QCheckBox* ReloadAllBox() const { return reloadAll_; }
    QPushButton* OkButton() const;
    QPushButton* CancelButton() const;

private:
    QLabel* message_;
    QCheckBox* autoReload_;
    QCheckBox* reloadAll_;
    QDialogButtonBox* buttons_;
};

// Puts the watch's question to the user with CFileWatchDlg over parent.
class CFileWatchAsk final : public IFileWatchDialog {
public:
    explicit CFileWatchAsk(QWidget* parent) : parent_(parent) {}
    bool AskReload(const std::string& text, int* autoReload, int* reloadAll) override;

private:
    QWidget* parent_;
};

}  // namespace varno
