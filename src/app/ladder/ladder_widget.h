// The ladder view's window: a scroll area that forwards keys, mouse, focus, resizes and
// scrolling to CLadderView and paints what it reads back through an off-screen image, so that
// nothing flickers and the background is never erased separately.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>
#include <optional>

#include "editor/ladder_view.h"
#include "project/varno_app.h"

namespace varno {

class CLadderWidget final : public QAbstractScrollArea, public ILadderViewHost {
    Q_OBJECT

public:
    static constexpr int LEFT_MARGIN = 20;

    explicit CLadderWidget(QWidget* parent = nullptr);
    // The view is created with this widget as its host; it is handed over here afterwards.
    void SetView(CLadderView* view);
    CLadderView* View() const { return view_; }
    // The project's display settings; the next hint-0 update applies them.
    void SetDisplay(const CDisplaySettings& display) { display_ = display; }
    const CDisplaySettings& Display() const { return display_; }
    const QFont& LadderFont() const { return ladderFont_; }

    // Asked for the pop-up of a context-menu request, at a global point.
    std::function<void(LadderPopup, const QPoint&)> showPopup;
    // Told after every caret move, for the information bar and the status pane.
    std::function<void()> caretChanged;

    // The caret block in viewport pixels; nullopt while it is hidden.
    std::optional<QRect> CaretRect() const;
    QPoint ScrollPosition() const;
    // Viewport pixel of a logical point, and back.
    QPoint ToViewport(QPoint logical) const;
    QPoint ToLogical(QPoint viewport) const;

    // ILadderViewHost
    void RecalcLayout() override;
    void UpdateScrollSizes() override;
    void CaretMoved(int displayRow, int column) override;
    void Repaint() override;

protected:
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
    void EnsureVisible(const CRect& logical);
    void PaintLadder(QPainter& painter, const QRect& logicalVisible);

    CLadderView* view_ = nullptr;
    CDisplaySettings display_;
    QFont ladderFont_;
    QImage buffer_;
    QPoint caretLogical_{0, 0};
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint dragEnd_;
};

}  // namespace varno
