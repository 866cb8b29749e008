#include "KindIcon.h"

#include <QFont>
#include <QPainter>

QImage DrawKindIcon(const QColor &ink, const QString &glyph)
{
    // Bitmaps carry no transparency: the icon stands on the icon list's own colour.
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(QColor(0xfd, 0xfe, 0xff));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink.darker(130), 1.2));
    p.setBrush(QColor(0xff, 0xfd, 0xf4));
    p.drawRect(QRectF(5.5, 3.5, 39, 43));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(6, 4, 38.5, 9));
    p.setPen(QPen(ink.lighter(150), 1));
    for (int y = 38; y <= 42; y += 4)
        p.drawLine(QPointF(10, y), QPointF(40, y));
    QFont font(QStringLiteral("AR PL UKai CN"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(5, 12, 40, 26), Qt::AlignCenter, glyph);
    return image;
}
