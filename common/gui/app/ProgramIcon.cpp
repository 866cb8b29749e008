#include "gui/app/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage DrawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // A blue tile with a form on it and a quill writing on the form.
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2f, 0x7d, 0xd1));
    tile.setColorAt(1, QColor(0x1b, 0x4f, 0x96));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    p.setBrush(QColor(0xfd, 0xfb, 0xf2));
    p.drawRect(QRectF(12, 14, 40, 36));
    p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.6));
    for (int y = 24; y <= 42; y += 6)
        p.drawLine(QPointF(17, y), QPointF(40, y));
    p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.2));
    p.drawRect(QRectF(16, 17, 32, 30));

    QPainterPath quill;
    quill.moveTo(56, 6);
    quill.cubicTo(46, 10, 36, 22, 30, 40);
    quill.lineTo(33, 41);
    quill.cubicTo(42, 28, 52, 18, 56, 6);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 0.8));
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    p.drawPath(quill);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.4));
    p.drawLine(QPointF(30, 40), QPointF(28, 45));
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
    return icon;
}
