#include "FormCanvas.h"

#include <QFont>
#include <QPen>

namespace {
const QString kCaptionFont = QStringLiteral("AR PL UMing CN");
const QString kTitleFont = QStringLiteral("AR PL UKai CN");
// Place names of the amount boxes, highest place first; an amount of n cells takes the last n.
const QString kPlaces = QStringLiteral("十亿千百十万千百十元角分");
} // namespace

FormCanvas::FormCanvas(QPainter &painter, const QColor &ink) : m_painter(painter), m_ink(ink)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void FormCanvas::frame(const QRect &rect, qreal width)
{
    m_painter.setPen(QPen(m_ink, width));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect);
}

void FormCanvas::hLine(int y, int x1, int x2, qreal width)
{
    m_painter.setPen(QPen(m_ink, width));
    m_painter.drawLine(x1, y, x2, y);
}

void FormCanvas::vLine(int x, int y1, int y2, qreal width)
{
    m_painter.setPen(QPen(m_ink, width));
    m_painter.drawLine(x, y1, x, y2);
}

void FormCanvas::dashedVLine(int x, int y1, int y2)
{
    m_painter.setPen(QPen(m_ink, 1, Qt::DashLine));
    m_painter.drawLine(x, y1, x, y2);
}

void FormCanvas::text(const QRect &rect, const QString &text, int size, int flags, bool bold)
{
    QFont font(kCaptionFont);
    font.setPixelSize(size);
    font.setBold(bold);
    m_painter.setFont(font);
    m_painter.setPen(m_ink);
    m_painter.drawText(rect, flags, text);
}

void FormCanvas::stackedText(const QRect &rect, const QString &text, int size)
{
    if (text.isEmpty())
        return;
    const int step = rect.height() / text.size();
    for (int i = 0; i < text.size(); ++i)
        this->text(QRect(rect.left(), rect.top() + i * step, rect.width(), step), text.mid(i, 1), size);
}

void FormCanvas::title(const QRect &rect, const QString &text, int size)
{
    QFont font(kTitleFont);
    font.setPixelSize(size);
    font.setBold(true);
    m_painter.setFont(font);
    m_painter.setPen(m_ink);
    m_painter.drawText(rect, Qt::AlignCenter, text);
    // The double rule under a form's title.
    const int width = m_painter.fontMetrics().horizontalAdvance(text);
    const int left = rect.center().x() - width / 2;
    hLine(rect.bottom() - 2, left, left + width, 1.2);
    hLine(rect.bottom() + 1, left, left + width, 1.2);
}

void FormCanvas::cells(const QRect &rect, int count)
{
    frame(rect, 1);
    for (int i = 1; i < count; ++i) {
        const int x = rect.left() + rect.width() * i / count;
        vLine(x, rect.top(), rect.bottom(), (count - i) % 3 == 2 && count - i > 2 ? 1.4 : 0.8);
    }
}

void FormCanvas::placeNames(const QRect &rect, int count, int size)
{
    const QString names = kPlaces.right(count);
    cells(rect, count);
    for (int i = 0; i < count; ++i) {
        const int left = rect.left() + rect.width() * i / count;
        const int right = rect.left() + rect.width() * (i + 1) / count;
        text(QRect(left, rect.top(), right - left, rect.height()), names.mid(i, 1), size);
    }
}

QRect FormCanvas::underlined(const QRect &rect, const QString &caption, int captionWidth, int size)
{
    text(QRect(rect.left(), rect.top(), captionWidth, rect.height()), caption, size, Qt::AlignLeft | Qt::AlignVCenter);
    const QRect rule(rect.left() + captionWidth, rect.top(), rect.width() - captionWidth, rect.height());
    hLine(rule.bottom(), rule.left(), rule.right(), 0.8);
    return rule;
}
