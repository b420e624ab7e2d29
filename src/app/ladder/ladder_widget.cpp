#include "app/ladder/ladder_widget.h"

#include <QFontMetrics>

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "app/ladder/ladder_font.h"

namespace varno {

CLadderWidget::CLadderWidget(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setMouseTracking(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CLadderWidget::SetView(CLadderView* view) {
    view_ = view;
}

QPoint CLadderWidget::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QPoint CLadderWidget::ToViewport(QPoint logical) const {
    return logical - ScrollPosition();
}

QPoint CLadderWidget::ToLogical(QPoint viewport) const {
    return viewport + ScrollPosition();
}

std::optional<QRect> CLadderWidget::CaretRect() const {
    if (view_ == nullptr || !hasFocus()) {
        return std::nullopt;
    }
    const QPoint at = ToViewport(caretLogical_);
    if (at.x() <= LEFT_MARGIN) {
        return std::nullopt;
    }
    const CLadder& ladder = view_->Ladder();
    return QRect(at, QSize(ladder.CellWidth(), ladder.CellHeight()));
}

void CLadderWidget::RecalcLayout() {
    if (view_ == nullptr) {
        return;
    }
    ladderFont_ = varno::LadderFont(display_.font);
    const int numbers =
        display_.showLineNo != 0 ? QFontMetrics(ladderFont_).horizontalAdvance("00000") : 0;
    CLadder& ladder = view_->Ladder();
    ladder.SetCellSize(display_.cellWidth, display_.cellHeight);
    ladder.SetOrigin(LEFT_MARGIN + 2 + numbers, 0);
}

void CLadderWidget::UpdateScrollSizes() {
    if (view_ == nullptr) {
        return;
    }
    const CLadder& ladder = view_->Ladder();
    const int w = ladder.CellWidth();
    const int h = ladder.CellHeight();
    const CRect all = ladder.LadderRect();
    const QSize client = viewport()->size();
    const int totalWidth = 2 * LADDER_WIDTH * w;
    const int totalHeight = all.bottom;
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, totalHeight - client.height()));
    horizontalScrollBar()->setPageStep(std::max(w, (client.width() - LEFT_MARGIN) / w * w));
    verticalScrollBar()->setPageStep(std::max(h, client.height() / h * h));
    horizontalScrollBar()->setSingleStep(w);
    verticalScrollBar()->setSingleStep(h);
    view_->SetVisibleRows(std::max(1, client.height() / h));
}

void CLadderWidget::EnsureVisible(const CRect& r) {
    const QPoint pos = ScrollPosition();
    const QSize client = viewport()->size();
    const QRect v(pos, client);
    const QRect u = v.united(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
    int x = pos.x();
    int y = pos.y();
    if (u.left() == v.left()) {
        if (u.right() != v.right()) {
            x = u.right() + 1 - client.width();
        }
    } else {
        x = u.left() - LEFT_MARGIN;
    }
    if (u.top() == v.top()) {
        if (u.bottom() != v.bottom()) {
            y = u.bottom() + 1 - client.height();
        }
    } else {
        y = u.top();
    }
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void CLadderWidget::CaretMoved(int displayRow, int column) {
    std::optional<CRect> cell = view_->Ladder().CellRect(displayRow, column);
    if (cell) {
        EnsureVisible(*cell);
        caretLogical_ = QPoint(cell->left, cell->top);
    }
    if (caretChanged) {
        caretChanged();
    }
    viewport()->update();
}

void CLadderWidget::Repaint() {
    viewport()->update();
}

CCellPos CLadderWidget::HitTest(QPoint viewportPoint) const {
    const QPoint logical = ToLogical(viewportPoint);
    return view_->Ladder().PixelToCell(logical.x(), logical.y());
}

void CLadderWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CLadderWidget::scrollContentsBy(int, int) {
    viewport()->update();
}

void CLadderWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CLadderWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CLadderWidget::mousePressEvent(QMouseEvent* event) {
    if (view_ == nullptr) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (!hasFocus()) {
            setFocus(Qt::MouseFocusReason);
        }
        dragStart_ = dragEnd_ = ToLogical(at);
        dragging_ = true;
        view_->OnLeftButtonDown(HitTest(at));
        viewport()->update();
    } else if (event->button() == Qt::RightButton) {
        if (!hasFocus()) {
            setFocus(Qt::MouseFocusReason);
        }
        view_->OnRightButtonDown(HitTest(at));
        viewport()->update();
    }
}

void CLadderWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        dragEnd_ = ToLogical(event->position().toPoint());
        viewport()->update();
    }
}

void CLadderWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton || view_ == nullptr) {
        return;
    }
    dragging_ = false;
    view_->OnLeftButtonUp(HitTest(event->position().toPoint()));
    viewport()->update();
}

void CLadderWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (view_ == nullptr || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint logical = ToLogical(event->position().toPoint());
    const CRect r = view_->Ladder().LadderRect();
    if (logical.x() >= r.left && logical.x() < r.right && logical.y() >= r.top &&
        logical.y() < r.bottom) {
        view_->OnProperty();
    }
}

void CLadderWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (view_ == nullptr || !showPopup) {
        return;
    }
    if (std::optional<LadderPopup> popup = view_->ContextPopup()) {
        showPopup(*popup, event->globalPos());
    }
}

void CLadderWidget::paintEvent(QPaintEvent*) {
    const QSize size = viewport()->size();
    if (buffer_.size() != size * devicePixelRatio()) {
        buffer_ = QImage(size * devicePixelRatio(), QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(devicePixelRatio());
    }
    const QPoint pos = ScrollPosition();
    {
        QPainter painter(&buffer_);
        painter.translate(-pos);
        PaintLadder(painter, QRect(pos, size));
        painter.resetTransform();
        painter.fillRect(QRect(0, 0, LEFT_MARGIN, size.height()), palette().button());
        if (std::optional<QRect> caret = CaretRect()) {
            // A solid caret inverts what lies under it, so the element stays readable.
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(*caret, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        if (dragging_) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = QRect(ToViewport(dragStart_), ToViewport(dragEnd_)).normalized();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
    QPainter window(viewport());
    window.drawImage(0, 0, buffer_);
}

void CLadderWidget::PaintLadder(QPainter& painter, const QRect& logicalVisible) {
    painter.fillRect(logicalVisible, palette().base());
}

}  // namespace varno
