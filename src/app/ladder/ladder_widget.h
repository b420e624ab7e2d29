// The ladder view's window: a scroll area that forwards its size, scroll requests, focus, keys
// and mouse to CLadderView and paints what the view draws into an off-screen image, so that
// nothing flickers and the background is never erased separately.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>
#include <optional>

#include "app/ladder/qt_draw_surface.h"
#include "editor/ladder_view.h"

namespace varno {

class CLadderWidget final : public QAbstractScrollArea, public ILadderViewHost {
    Q_OBJECT

public:
    explicit CLadderWidget(QWidget* parent = nullptr);
    // The view is created with this widget as its host; it is handed over here afterwards,
    // and taken back (null) before it goes.
    void SetView(CLadderView* view);
    CLadderView* View() const { return view_; }
    ITextMeasure& Measure() { return measure_; }

    // Asked for the pop-up of a context-menu request, at a global point.
    std::function<void(LadderPopup, const QPoint&)> showPopup;
    // The view's accelerator table: the command a key runs while the view has the focus, 0 for
    // none. Such keys go to the view before any shortcut of the windows around it.
    std::function<int(const QKeyEvent&)> accelerator;
    std::function<void(int)> runCommand;
    // Told after every caret move, for the information bar and the status pane.
    std::function<void()> caretChanged;

    // The caret block in viewport pixels; nullopt while it is hidden.
    std::optional<QRect> CaretRect() const;
    QPoint ScrollPosition() const;
    // Wide enough for the whole ladder (see CLadderView::PreferredClientWidth).
    QSize sizeHint() const override;
    // Viewport pixel of a logical point, and back.
    QPoint ToViewport(QPoint logical) const;
    QPoint ToLogical(QPoint viewport) const;

    // ILadderViewHost
    void ScrollChanged() override;
    void CaretChanged() override;
    void Repaint() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CCellPos HitTest(QPoint viewport) const;

    CLadderView* view_ = nullptr;
    CQtTextMeasure measure_;
    QImage buffer_;
    bool syncingBars_ = false;
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint dragEnd_;
};

}  // namespace varno
