// "Property": the path of one of the project's data files, typed or chosen with "..." (an
// open-file dialog for ladder files that must exist). SetDirectory gives the folder that
// dialog starts in when the path does not name one.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace varno {

class CLadProp final : public QDialog {
    Q_OBJECT

public:
    explicit CLadProp(const QString& path, QWidget* parent = nullptr);

    QString Path() const;
    void SetDirectory(const QString& directory) { directory_ = directory; }

    QLineEdit* PathBox() const { return path_; }
    QPushButton* BrowseButton() const { return browse_; }

private:
    void OnBrowse();

    QLineEdit* path_;
    QPushButton* browse_;
    QString directory_;
};

}  // namespace varno
