// The version dialog: two lines each for company, product, version and remark, at most 30
// bytes a line. OK copies the eight texts into the version information.
#pragma once

#include <QDialog>
#include <array>

#include "project/version_array.h"

class QLineEdit;

namespace varno {

class CVersionDlg final : public QDialog {
    Q_OBJECT

public:
    static constexpr int LINE_BYTES = 30;

    CVersionDlg(CVersionArray& versions, QWidget* parent);
    void accept() override;

private:
    CVersionArray& versions_;
    std::array<QLineEdit*, 8> lines_{};
};

}  // namespace varno
