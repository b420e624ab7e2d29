#include "app/ladder/ladder_icons.h"

#include <QPainter>
#include <QPixmap>

#include "app/ladder/ladder_command_ids.h"

namespace varno {

namespace {

constexpr int SIZE = 16;
constexpr int MID = 8;

void Contact(QPainter& p) {
    p.drawLine(0, MID, 5, MID);
    p.drawLine(10, MID, 15, MID);
    p.drawLine(5, 4, 5, 12);
    p.drawLine(10, 4, 10, 12);
}

void Coil(QPainter& p) {
    p.drawLine(0, MID, 4, MID);
    p.drawLine(12, MID, 15, MID);
    p.drawEllipse(4, 4, 8, 8);
}

void Block(QPainter& p) {
    p.drawLine(0, 5, 3, 5);
    p.drawRect(3, 2, 9, 12);
    p.drawLine(12, 5, 15, 5);
}

// Rows: a line under a filled band (insert) or a band with a cross (delete).
void Rows(QPainter& p, int band, bool remove) {
    p.drawRect(1, 2, 13, 11);
    p.fillRect(2, band, 12, 3, p.pen().color());
    if (remove) {
        p.drawLine(4, 4, 11, 11);
        p.drawLine(11, 4, 4, 11);
    }
}

void Arrowed(QPainter& p, int x1, int y1, int x2, int y2, bool remove) {
    p.drawLine(x1, y1, x2, y2);
    if (remove) {
        p.drawLine(MID - 3, MID - 3, MID + 3, MID + 3);
        p.drawLine(MID + 3, MID - 3, MID - 3, MID + 3);
    }
}

}  // namespace

QIcon LadderCommandIcon(int id) {
    QPixmap pixmap(SIZE, SIZE);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    switch (id) {
        case ID_INSERT_COMMENT:
            p.drawRect(1, 3, 13, 9);
            p.drawLine(3, 6, 12, 6);
            p.drawLine(3, 9, 9, 9);
            break;
        case ID_INSERT_ROW:
            Rows(p, 3, false);
            break;
        case ID_INSERT_ROW_AFTER:
            Rows(p, 9, false);
            break;
        case ID_DELETE_ROW:
            Rows(p, 6, true);
            break;
        case ID_CONTACT:
            Contact(p);
            break;
        case ID_COIL:
            Coil(p);
            break;
        case ID_FUNCTION:
            Block(p);
            break;
        case ID_LINE_RIGHT:
            Arrowed(p, 0, MID, 15, MID, false);
            break;
        case ID_LINE_DOWN:
            Arrowed(p, MID, 4, MID, 15, false);
            break;
        case ID_DELETE_LINE_DOWN:
            Arrowed(p, MID, 4, MID, 15, true);
            break;
        case ID_LINE_UP:
            Arrowed(p, MID, 0, MID, 11, false);
            break;
        case ID_DELETE_LINE_UP:
            Arrowed(p, MID, 0, MID, 11, true);
            break;
        default:
            return {};
    }
    return QIcon(pixmap);
}

}  // namespace varno
