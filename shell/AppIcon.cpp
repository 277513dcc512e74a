#include "shell/AppIcon.h"

#include <QPainter>
#include <QPixmap>

QImage AppIcon::Render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // Antenna, body, display and keypad of a handheld radio.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRoundedRect(QRectF(19, 1, 3, 10), 1.5, 1.5);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(8, 8, 16, 23), 3, 3);
    p.setBrush(QColor(0xb8, 0xe0, 0xa8));
    p.drawRect(QRectF(11, 11, 10, 6));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(11 + col * 3.6, 19.5 + row * 3.4, 2.6, 2.4));
        }
    }
    p.end();
    return image;
}

QIcon AppIcon::Make() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(Render(size)));
    }
    return icon;
}
