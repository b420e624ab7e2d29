#include "app/widgets/header_ctrl_ex.h"

#include <QMouseEvent>

namespace varno {

CHeaderCtrlEx::CHeaderCtrlEx(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
}

void CHeaderCtrlEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit CancelRequested();
    }
    QHeaderView::mousePressEvent(event);
}

}  // namespace varno
