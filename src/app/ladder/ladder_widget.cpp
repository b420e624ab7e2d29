#include "app/ladder/ladder_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

namespace varno {

CLadderWidget::CLadderWidget(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CLadderWidget::SetView(CLadderView* view) {
    view_ = view;
    if (view_ == nullptr) {
        return;
    }
    view_->SetTextMeasure(&measure_);
    view_->SetClientSize(viewport()->width(), viewport()->height());
    view_->SetFocus(hasFocus());
}

QSize CLadderWidget::sizeHint() const {
    const QSize base = QAbstractScrollArea::sizeHint();
    if (view_ == nullptr) {
        return base;
    }
    const int frame = 2 * frameWidth();
    return {view_->PreferredClientWidth() + verticalScrollBar()->sizeHint().width() + frame,
            base.height()};
}

QPoint CLadderWidget::ScrollPosition() const {
    if (view_ == nullptr) {
        return {};
    }
    const CPoint at = view_->Scroll().Position();
    return {at.x, at.y};
}

QPoint CLadderWidget::ToViewport(QPoint logical) const {
    return logical - ScrollPosition();
}

QPoint CLadderWidget::ToLogical(QPoint viewport) const {
    return viewport + ScrollPosition();
}

std::optional<QRect> CLadderWidget::CaretRect() const {
    if (view_ == nullptr || !view_->CaretVisible()) {
        return std::nullopt;
    }
    const CPoint at = view_->CaretPixel();
    const CLadder& ladder = view_->Ladder();
    return QRect(at.x, at.y, ladder.CellWidth(), ladder.CellHeight());
}

void CLadderWidget::ScrollChanged() {
    const CViewScroll& scroll = view_->Scroll();
    const CSize limit = scroll.Limit();
    syncingBars_ = true;
    horizontalScrollBar()->setRange(0, limit.cx);
    verticalScrollBar()->setRange(0, limit.cy);
    horizontalScrollBar()->setPageStep(std::max(1, scroll.Page().cx));
    verticalScrollBar()->setPageStep(std::max(1, scroll.Page().cy));
    horizontalScrollBar()->setSingleStep(scroll.Line().cx);
    verticalScrollBar()->setSingleStep(scroll.Line().cy);
    horizontalScrollBar()->setValue(scroll.Position().x);
    verticalScrollBar()->setValue(scroll.Position().y);
    syncingBars_ = false;
    viewport()->update();
}

void CLadderWidget::CaretChanged() {
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
    if (view_ != nullptr) {
        view_->SetClientSize(viewport()->width(), viewport()->height());
    }
}

// Every scroll request (bars, wheel, keys of the platform) goes through the view, which snaps
// it to whole cells; the bars then show where the view really is.
void CLadderWidget::scrollContentsBy(int, int) {
    if (syncingBars_ || view_ == nullptr) {
        return;
    }
    const CPoint at = view_->Scroll().Position();
    const int dx = horizontalScrollBar()->value() - at.x;
    const int dy = verticalScrollBar()->value() - at.y;
    if (!view_->ScrollBy(dx, dy)) {
        ScrollChanged();
    }
}

bool CLadderWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && accelerator &&
        accelerator(*static_cast<QKeyEvent*>(event)) != 0) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void CLadderWidget::keyPressEvent(QKeyEvent* event) {
    const int id = accelerator ? accelerator(*event) : 0;
    if (id != 0 && runCommand) {
        runCommand(id);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CLadderWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (view_ != nullptr) {
        view_->SetFocus(true);
    }
}

void CLadderWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    if (view_ != nullptr) {
        view_->SetFocus(false);
    }
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
    const qreal ratio = devicePixelRatioF();
    if (buffer_.size() != size * ratio) {
        buffer_ = QImage(size * ratio, QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&buffer_);
        if (view_ != nullptr) {
            const QPalette colours = palette();
            CQtDrawSurface surface(painter, QTransform(), &colours);
            view_->Paint(surface);
        }
        painter.resetTransform();
        painter.setClipping(false);
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

}  // namespace varno
