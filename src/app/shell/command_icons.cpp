#include "app/shell/command_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "app/shell/command_ids.h"

namespace varno {

namespace {

QIcon Painted(const QString& glyph) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(40, 60, 110));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

// A clipboard board with a sheet on it.
QIcon PaintedPaste() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 30), 2));
    painter.setBrush(QColor(200, 150, 90));
    painter.drawRoundedRect(QRectF(5, 5, 18, 23), 2, 2);
    painter.setBrush(QColor(120, 120, 120));
    painter.drawRect(QRectF(10, 3, 8, 5));
    painter.setPen(QPen(QColor(40, 60, 110), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(14, 13, 14, 16));
    return QIcon(pixmap);
}

// A printer: body, paper on top, a tray in front.
QIcon PaintedPrint() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 20, 16, 9));
    return QIcon(pixmap);
}

}  // namespace

QIcon CommandIcon(int id, const QStyle& style) {
    switch (id) {
        case ID_FILE_NEW:
            return style.standardIcon(QStyle::SP_FileIcon);
        case ID_FILE_OPEN:
            return style.standardIcon(QStyle::SP_DialogOpenButton);
        case ID_FILE_SAVE:
            return style.standardIcon(QStyle::SP_DialogSaveButton);
        case ID_EDIT_UNDO:
            return style.standardIcon(QStyle::SP_ArrowBack);
        case ID_EDIT_REDO:
            return style.standardIcon(QStyle::SP_ArrowForward);
        case ID_VIEW_WORKSPACE:
            return style.standardIcon(QStyle::SP_DirIcon);
        case ID_VIEW_OUTPUT_BAR:
            return style.standardIcon(QStyle::SP_FileDialogDetailedView);
        case ID_APP_ABOUT:
            return style.standardIcon(QStyle::SP_MessageBoxInformation);
        case ID_EDIT_CUT:
            return Painted(QString::fromUtf8("\u2702"));
        case ID_EDIT_COPY:
            return Painted(QString::fromUtf8("\u2750"));
        case ID_EDIT_PASTE:
            return PaintedPaste();
        case ID_FILE_PRINT:
            return PaintedPrint();
        default:
            return {};
    }
}

}  // namespace varno
