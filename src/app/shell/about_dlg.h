// The about box: the program's name and version and the date it was built.
#pragma once

#include <QDialog>
#include <QString>

namespace varno {

class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);
    // The build date as "%Y-%m-%d".
    static QString BuildDate();
};

}  // namespace varno
