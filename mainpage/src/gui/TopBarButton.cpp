#include "gui/TopBarButton.h"

#include <QMouseEvent>
#include <QPainter>

TopBarButton::TopBarButton(const QString &caption, PageGlyph glyph, int width, QWidget *parent)
    : QWidget(parent), m_caption(caption), m_glyph(glyph)
{
    setFixedWidth(width);
    setCursor(Qt::PointingHandCursor);
    setToolTip(caption);
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(13);
    setFont(font);
}

void TopBarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_hovered || m_pressed) {
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        painter.setBrush(QColor(255, 255, 255, m_pressed ? 70 : 40));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 4.5, -2.5, -4.5), 5, 5);
    }
    const int glyphTop = (height() - 32 - 18) / 2;
    const QPoint offset = m_pressed ? QPoint(0, 1) : QPoint();
    DrawPageGlyph(painter, QRect((width() - 32) / 2, glyphTop, 32, 32).translated(offset), m_glyph);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, glyphTop + 34, width(), 18).translated(offset), Qt::AlignHCenter | Qt::AlignTop, m_caption);
}

void TopBarButton::enterEvent(QEnterEvent *)
{
    m_hovered = true;
    update();
}

void TopBarButton::leaveEvent(QEvent *)
{
    m_hovered = false;
    update();
}

void TopBarButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void TopBarButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
