#include "app/dialog_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace hm3300::app {

namespace {

QPixmap transparentPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QPixmap warningPicture() {
    QPixmap pixmap = transparentPixmap(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath triangle;
    triangle.moveTo(24, 3);
    triangle.lineTo(45, 43);
    triangle.lineTo(3, 43);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xc8, 0x2e));
    painter.drawPath(triangle);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x20, 0x00));
    painter.drawRoundedRect(QRectF(21.5, 15, 5, 16), 2.5, 2.5);
    painter.drawEllipse(QPointF(24, 36.5), 3, 3);
    return pixmap;
}

QPixmap radioPicture() {
    QPixmap pixmap = transparentPixmap(57);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body(0x2b, 0x3a, 0x4a);

    // Antenna and knob on the top, body below.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(17, 2, 5, 18), 2, 2);
    painter.drawRoundedRect(QRectF(30, 9, 6, 9), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(13, 16, 31, 39), 5, 5);

    // Display.
    painter.setBrush(QColor(0x9c, 0xe0, 0xa8));
    painter.drawRoundedRect(QRectF(18, 21, 21, 10), 2, 2);
    painter.setPen(QPen(QColor(0x1c, 0x4a, 0x26), 1.2));
    painter.drawLine(QPointF(21, 26), QPointF(33, 26));

    // Keypad.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd8, 0xdf, 0xe6));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawEllipse(QRectF(19 + column * 7, 35 + row * 6, 4.5, 4.5));
        }
    }
    return pixmap;
}

}  // namespace hm3300::app
