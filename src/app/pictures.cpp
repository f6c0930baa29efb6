#include "app/pictures.h"

#include <QPainter>

namespace brisanel::app::pictures {

QPixmap coin() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 96, 0), 2));
    painter.setBrush(QColor(255, 204, 0));
    painter.drawEllipse(2, 2, 28, 28);
    painter.setPen(QPen(QColor(128, 0, 0), 2));
    painter.drawLine(11, 22, 21, 10);
    painter.drawEllipse(QPointF(11.5, 11.5), 2.5, 2.5);
    painter.drawEllipse(QPointF(20.5, 20.5), 2.5, 2.5);
    return pixmap;
}

QPixmap calculator(bool lit) {
    QPixmap pixmap(36, 50);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(lit ? QColor(0, 128, 128) : QColor(64, 64, 128));
    painter.drawRoundedRect(1, 1, 33, 47, 4, 4);
    painter.setBrush(lit ? QColor(192, 255, 192) : QColor(160, 176, 160));
    painter.drawRect(5, 5, 25, 10);
    if (lit) {
        // A percent sign at the right of the display, drawn rather than written: text would load
        // a font at start-up for this one character.
        painter.setPen(QColor(255, 0, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(22, 13, 27, 7);
        painter.drawRect(21, 7, 1, 1);
        painter.drawRect(27, 12, 1, 1);
        painter.setPen(Qt::black);
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool operatorKey = column == 2;
            painter.setBrush(operatorKey ? QColor(255, 128, 0) : QColor(224, 224, 224));
            painter.drawRect(5 + column * 9, 19 + row * 7, 7, 5);
        }
    }
    return pixmap;
}

}  // namespace brisanel::app::pictures
