#include "pictures/MainPagePictures.h"

#include "pictures/MainPageColors.h"

#include <QLinearGradient>
#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kInk(0x1F, 0x3A, 0x5F);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPaperEdge(0x9D, 0xB3, 0xC9);

// Glyphs are drawn on a 32 x 32 grid and scaled into their box.
class GlyphCanvas
{
public:
    GlyphCanvas(QPainter &painter, const QRect &box) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.translate(box.topLeft());
        m_painter.scale(box.width() / 32.0, box.height() / 32.0);
    }
    ~GlyphCanvas() { m_painter.restore(); }
    QPainter *operator->() { return &m_painter; }

    void paper(const QRectF &sheet, const QColor &band)
    {
        QPainterPath path;
        const qreal fold = 6;
        path.moveTo(sheet.left(), sheet.top());
        path.lineTo(sheet.right() - fold, sheet.top());
        path.lineTo(sheet.right(), sheet.top() + fold);
        path.lineTo(sheet.right(), sheet.bottom());
        path.lineTo(sheet.left(), sheet.bottom());
        path.closeSubpath();
        m_painter.setPen(QPen(kPaperEdge, 0.8));
        m_painter.setBrush(kPaper);
        m_painter.drawPath(path);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(band);
        m_painter.drawRect(QRectF(sheet.left() + 0.4, sheet.top() + 0.4, sheet.width() - fold - 0.4, 4));
        m_painter.setBrush(kPaperEdge.lighter(115));
        QPainterPath corner;
        corner.moveTo(sheet.right() - fold, sheet.top());
        corner.lineTo(sheet.right() - fold, sheet.top() + fold);
        corner.lineTo(sheet.right(), sheet.top() + fold);
        corner.closeSubpath();
        m_painter.drawPath(corner);
    }

    void lines(qreal left, qreal right, qreal top, int count, qreal step, const QColor &colour)
    {
        m_painter.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < count; ++i)
            m_painter.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
    }

    void arrow(const QPointF &from, const QPointF &to, const QColor &colour, qreal width = 3)
    {
        m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawLine(from, to);
        const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
        const QPointF normal(-direction.y(), direction.x());
        const qreal head = width * 1.8;
        m_painter.drawLine(to, to - direction * head + normal * head);
        m_painter.drawLine(to, to - direction * head - normal * head);
    }

private:
    QPainter &m_painter;
};

void drawTruck(GlyphCanvas &c, const QColor &body)
{
    c->setPen(Qt::NoPen);
    c->setBrush(body);
    c->drawRoundedRect(QRectF(2, 9, 18, 13), 1.5, 1.5);
    c->setBrush(body.darker(125));
    QPainterPath cab;
    cab.moveTo(21, 12);
    cab.lineTo(26, 12);
    cab.lineTo(30, 17);
    cab.lineTo(30, 22);
    cab.lineTo(21, 22);
    cab.closeSubpath();
    c->drawPath(cab);
    c->setBrush(QColor(0xCF, 0xE8, 0xFF));
    c->drawRect(QRectF(22.5, 13.5, 3.5, 3.5));
    c->setBrush(QColor(0x33, 0x33, 0x33));
    c->setPen(QPen(kWhite, 1.2));
    c->drawEllipse(QPointF(8, 23.5), 3, 3);
    c->drawEllipse(QPointF(25, 23.5), 3, 3);
}

void drawGlyph(GlyphCanvas &c, PageGlyph glyph)
{
    switch (glyph) {
    case PageGlyph::ExpressBill: {
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xE8, 0xA1, 0x4B));
        c->drawRect(QRectF(5, 11, 22, 17));
        c->setBrush(QColor(0xF6, 0xC2, 0x7A));
        QPainterPath lid;
        lid.moveTo(5, 11);
        lid.lineTo(10, 5);
        lid.lineTo(32 - 5, 5);
        lid.lineTo(27, 11);
        lid.closeSubpath();
        c->drawPath(lid);
        c->setBrush(QColor(0xC9, 0x3B, 0x2E));
        c->drawRect(QRectF(14, 5, 4, 23));
        c->setBrush(kWhite);
        c->drawRect(QRectF(7, 20, 6, 5));
        break;
    }
    case PageGlyph::Cheque:
        c->setPen(QPen(kPaperEdge, 0.8));
        c->setBrush(QColor(0xE6, 0xF5, 0xE4));
        c->drawRoundedRect(QRectF(2, 7, 28, 18), 1.5, 1.5);
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0x3C, 0x9A, 0x4A));
        c->drawRect(QRectF(2.4, 7.4, 27.2, 3.5));
        c.lines(5, 18, 15, 3, 3.5, QColor(0x7F, 0xB5, 0x87));
        c->setPen(QPen(QColor(0xC9, 0x3B, 0x2E), 1.6));
        c->setBrush(Qt::NoBrush);
        c->drawEllipse(QPointF(24, 18.5), 4, 4);
        c->drawLine(QPointF(22, 16.5), QPointF(24, 18.5));
        c->drawLine(QPointF(26, 16.5), QPointF(24, 18.5));
        c->drawLine(QPointF(24, 18.5), QPointF(24, 21.5));
        break;
    case PageGlyph::DepositSlip:
        c.paper(QRectF(5, 3, 22, 26), QColor(0x2F, 0x7F, 0xD1));
        c.lines(8, 23, 12, 3, 4, QColor(0xA9, 0xC4, 0xE0));
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xF2, 0xB1, 0x2F));
        c->drawEllipse(QPointF(21, 23), 5, 5);
        c->setPen(QPen(kWhite, 1.6, Qt::SolidLine, Qt::RoundCap));
        c->drawLine(QPointF(21, 20.5), QPointF(21, 25.5));
        c->drawLine(QPointF(18.5, 23), QPointF(23.5, 23));
        break;
    case PageGlyph::WireTransfer:
        c.paper(QRectF(3, 5, 18, 22), QColor(0x8E, 0x5B, 0xC9));
        c.lines(6, 17, 13, 3, 4, QColor(0xC9, 0xB6, 0xE3));
        c.arrow(QPointF(14, 12), QPointF(29, 12), QColor(0xF2, 0xB1, 0x2F));
        c.arrow(QPointF(29, 22), QPointF(14, 22), kWhite);
        break;
    case PageGlyph::DeliveryNote:
        drawTruck(c, QColor(0x3C, 0x9A, 0x4A));
        break;
    case PageGlyph::Company:
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xDD, 0xE8, 0xF3));
        c->drawRect(QRectF(6, 5, 14, 24));
        c->setBrush(QColor(0xB5, 0xC9, 0xDD));
        c->drawRect(QRectF(20, 12, 7, 17));
        c->setBrush(kInk);
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                c->drawRect(QRectF(8 + column * 4, 7.5 + row * 4, 2.2, 2.4));
        c->setBrush(QColor(0x8B, 0x5A, 0x2B));
        c->drawRect(QRectF(11.5, 25, 3, 4));
        break;
    case PageGlyph::Goods: {
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xF2, 0xB1, 0x2F));
        QPainterPath tag;
        tag.moveTo(4, 15);
        tag.lineTo(15, 4);
        tag.lineTo(27, 4);
        tag.lineTo(27, 16);
        tag.lineTo(16, 27);
        tag.closeSubpath();
        c->drawPath(tag);
        c->setBrush(kWhite);
        c->drawEllipse(QPointF(22, 9), 2.3, 2.3);
        c->setPen(QPen(QColor(0x9A, 0x5E, 0x0C), 1.4, Qt::SolidLine, Qt::RoundCap));
        c->drawLine(QPointF(10, 16), QPointF(16, 10));
        c->drawLine(QPointF(13, 19), QPointF(19, 13));
        break;
    }
    case PageGlyph::PrintData:
        c->setPen(Qt::NoPen);
        c->setBrush(kPaper);
        c->drawRect(QRectF(9, 3, 14, 9));
        c->setBrush(QColor(0x5E, 0x6B, 0x7A));
        c->drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
        c->setBrush(QColor(0x8A, 0xF0, 0x7A));
        c->drawEllipse(QPointF(25, 15), 1.3, 1.3);
        c.paper(QRectF(9, 18, 14, 11), QColor(0x2F, 0x7F, 0xD1));
        break;
    case PageGlyph::ImportData:
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0x5E, 0x6B, 0x7A));
        c->drawRoundedRect(QRectF(3, 19, 26, 10), 2, 2);
        c->setBrush(QColor(0x3B, 0x45, 0x52));
        c->drawRect(QRectF(10, 19, 12, 3));
        c.arrow(QPointF(16, 3), QPointF(16, 17), QColor(0x8A, 0xF0, 0x7A), 3.4);
        break;
    case PageGlyph::BatchPrint:
        c.paper(QRectF(11, 2, 17, 21), QColor(0xA9, 0xC4, 0xE0));
        c.paper(QRectF(8, 5, 17, 21), QColor(0x6D, 0xA3, 0xDB));
        c.paper(QRectF(5, 8, 17, 21), QColor(0x2F, 0x7F, 0xD1));
        c.lines(8, 18, 17, 3, 3.5, QColor(0xA9, 0xC4, 0xE0));
        break;
    case PageGlyph::Design: {
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xF2, 0xB1, 0x2F));
        c->save();
        c->translate(16, 16);
        c->rotate(-45);
        c->drawRect(QRectF(-12, -3, 19, 6));
        c->setBrush(QColor(0xF6, 0xD7, 0xA7));
        QPainterPath tip;
        tip.moveTo(7, -3);
        tip.lineTo(13, 0);
        tip.lineTo(7, 3);
        tip.closeSubpath();
        c->drawPath(tip);
        c->setBrush(QColor(0xE9, 0x7A, 0x8A));
        c->drawRect(QRectF(-15, -3, 3, 6));
        c->restore();
        c->setPen(QPen(kWhite, 1.4, Qt::SolidLine, Qt::RoundCap));
        c->drawLine(QPointF(4, 29), QPointF(28, 29));
        break;
    }
    case PageGlyph::Website: {
        QRadialGradient sea(QPointF(12, 11), 16);
        sea.setColorAt(0, QColor(0x8F, 0xD3, 0xFF));
        sea.setColorAt(1, QColor(0x1E, 0x6F, 0xC4));
        c->setPen(QPen(kWhite, 1.2));
        c->setBrush(sea);
        c->drawEllipse(QPointF(16, 16), 13, 13);
        c->setBrush(Qt::NoBrush);
        c->setPen(QPen(QColor(255, 255, 255, 170), 1));
        c->drawEllipse(QPointF(16, 16), 5.5, 13);
        c->drawLine(QPointF(3, 16), QPointF(29, 16));
        c->drawLine(QPointF(5, 10), QPointF(27, 10));
        c->drawLine(QPointF(5, 22), QPointF(27, 22));
        break;
    }
    case PageGlyph::Menu:
        c->setPen(QPen(kWhite, 1.2));
        c->setBrush(QColor(255, 255, 255, 40));
        c->drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
        c.lines(9, 23, 10.5, 3, 5.5, kWhite);
        break;
    case PageGlyph::Exit:
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0xD9, 0x3F, 0x35));
        c->drawEllipse(QPointF(16, 16), 13, 13);
        c->setPen(QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap));
        c->setBrush(Qt::NoBrush);
        c->drawArc(QRectF(9.5, 9.5, 13, 13), 120 * 16, 300 * 16);
        c->drawLine(QPointF(16, 7.5), QPointF(16, 15));
        break;
    case PageGlyph::Search:
        c->setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        c->setBrush(QColor(0xCF, 0xE8, 0xFF));
        c->drawEllipse(QPointF(13, 13), 8, 8);
        c->drawLine(QPointF(19, 19), QPointF(28, 28));
        break;
    case PageGlyph::MoreBills:
        c.paper(QRectF(3, 4, 16, 22), QColor(0x2F, 0x7F, 0xD1));
        c.arrow(QPointF(14, 18), QPointF(29, 18), QColor(0xE8, 0x6A, 0x1F), 3.2);
        break;
    case PageGlyph::Upload:
        c->setPen(Qt::NoPen);
        c->setBrush(QColor(0x6D, 0xA3, 0xDB));
        c->drawEllipse(QPointF(11, 19), 7, 7);
        c->drawEllipse(QPointF(19, 15), 9, 9);
        c->drawRoundedRect(QRectF(4, 18, 25, 9), 4.5, 4.5);
        c.arrow(QPointF(16, 27), QPointF(16, 12), kWhite, 3);
        break;
    }
}

} // namespace

QImage DrawTopBarPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x3A, 0x9B, 0xE8));
    sky.setColorAt(0.5, QColor(0x17, 0x78, 0xCF));
    sky.setColorAt(1, QColor(0x0C, 0x55, 0xA0));
    painter.fillRect(image.rect(), sky);
    // A soft sheen on the upper half and two quiet waves on the right.
    QLinearGradient sheen(0, 0, 0, size.height() / 2.0);
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 8));
    painter.fillRect(QRectF(0, 0, size.width(), size.height() / 2.0), sheen);
    for (int wave = 0; wave < 2; ++wave) {
        QPainterPath path;
        const qreal base = size.height() * (0.55 + 0.2 * wave);
        path.moveTo(size.width() * 0.45, size.height());
        path.cubicTo(size.width() * 0.65, base - 30, size.width() * 0.8, base + 20, size.width(), base - 15);
        path.lineTo(size.width(), size.height());
        path.closeSubpath();
        painter.fillPath(path, QColor(255, 255, 255, 14 + 8 * wave));
    }
    painter.setPen(QPen(QColor(0x08, 0x3F, 0x7A), 1));
    painter.drawLine(0, size.height() - 1, size.width(), size.height() - 1);
    return image;
}

QImage DrawTabColumnTile()
{
    QImage image(135, 16, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, image.width(), 0);
    shade.setColorAt(0, TabColumnColor().darker(112));
    shade.setColorAt(0.85, TabColumnColor());
    shade.setColorAt(1, TabColumnColor().darker(118));
    painter.fillRect(image.rect(), shade);
    return image;
}

QImage DrawDefaultBillIcon()
{
    // A bitmap has no transparency: the paper stands on the colour of the icon list.
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(IconAreaColor());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawRoundedRect(QRectF(11, 6, 32, 41), 2, 2);
    GlyphCanvas canvas(painter, QRect(5, 3, 40, 44));
    canvas.paper(QRectF(5, 2, 22, 28), QColor(0x2F, 0x7F, 0xD1));
    canvas.lines(8, 20, 10, 4, 3.5, QColor(0xA9, 0xC4, 0xE0));
    canvas->setPen(QPen(QColor(0xC9, 0x3B, 0x2E), 1.3));
    canvas->setBrush(Qt::NoBrush);
    canvas->drawEllipse(QPointF(21, 24), 3.6, 3.6);
    return image;
}

void DrawPageGlyph(QPainter &painter, const QRect &box, PageGlyph glyph)
{
    GlyphCanvas canvas(painter, box);
    drawGlyph(canvas, glyph);
}

QImage PageGlyphImage(PageGlyph glyph, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawPageGlyph(painter, image.rect(), glyph);
    return image;
}
