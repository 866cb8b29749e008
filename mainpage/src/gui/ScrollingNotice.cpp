#include "gui/ScrollingNotice.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kStepMs = 40;
}

ScrollingNotice::ScrollingNotice(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(text);
    m_timer.setInterval(kStepMs);
    connect(&m_timer, &QTimer::timeout, this, &ScrollingNotice::step);
}

void ScrollingNotice::step()
{
    const int span = width() + fontMetrics().horizontalAdvance(m_text);
    if (span <= 0)
        return;
    m_offset = (m_offset + (m_leftwards ? 1 : -1) + span) % span;
    update();
}

void ScrollingNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0x8A, 0x4B, 0x08));
    painter.drawText(QRect(width() - m_offset, 0, fontMetrics().horizontalAdvance(m_text) + 1, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

void ScrollingNotice::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftwards = !m_leftwards;
}

void ScrollingNotice::showEvent(QShowEvent *)
{
    m_timer.start();
}

void ScrollingNotice::hideEvent(QHideEvent *)
{
    m_timer.stop();
}
