// The in-place editing list's column header: a press on it cancels a running edit before the
// header does what it always does (resizing a column).
#pragma once

#include <QHeaderView>

namespace varno {

class CHeaderCtrlEx final : public QHeaderView {
    Q_OBJECT

public:
    explicit CHeaderCtrlEx(QWidget* parent);

signals:
    void CancelRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace varno
