#include "gui/app/ProgramIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <map>

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

namespace {

const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Draws each size when it is first asked for: a start that never shows a window icon (the login
// dialog has no frame) does not pay for drawing seven of them.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto drawn = m_drawn.find(side);
        if (drawn == m_drawn.end())
            drawn = m_drawn.emplace(side, QPixmap::fromImage(DrawProgramIcon(side))).first;
        return drawn->second;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuilletProgramIcon"); }

private:
    std::map<int, QPixmap> m_drawn;
};

} // namespace

QIcon ProgramIcon()
{
    return QIcon(new ProgramIconEngine);
}
