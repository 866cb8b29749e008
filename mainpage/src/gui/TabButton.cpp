#include "gui/TabButton.h"

#include "gui/TemplateDrag.h"
#include "pictures/MainPageColors.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

TabButton::TabButton(int tabNo, const QString &caption, QWidget *parent) : QWidget(parent), m_tabNo(tabNo), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
    setAcceptDrops(true);
    setToolTip(caption);
    QFont font(QStringLiteral("黑体"));
    font.setPointSize(12);
    setFont(font);
}

void TabButton::setCurrent(bool current)
{
    m_current = current;
    if (current)
        m_hovered = false;
    update();
}

QColor TabButton::backgroundColor() const
{
    if (m_current)
        return Qt::white;
    return m_hovered ? TabHoverColor() : TabColor();
}

QColor TabButton::textColor() const
{
    return m_current || m_hovered ? Qt::black : Qt::white;
}

void TabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    if (m_current) {
        // A marker on the icon side ties the tab to the page it shows.
        painter.fillRect(QRect(width() - 4, 0, 4, height()), TabColumnColor());
    }
    painter.setPen(textColor());
    painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignCenter, m_caption);
}

void TabButton::enterEvent(QEnterEvent *)
{
    if (m_current)
        return;
    m_hovered = true;
    update();
}

void TabButton::leaveEvent(QEvent *)
{
    m_hovered = false;
    update();
}

void TabButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && !m_current)
        Q_EMIT clicked(m_tabNo);
}

void TabButton::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_current || !DraggedTemplate(event->mimeData()))
        return;
    event->acceptProposedAction();
    m_hovered = true;
    update();
}

void TabButton::dragLeaveEvent(QDragLeaveEvent *)
{
    m_hovered = false;
    update();
}

void TabButton::dropEvent(QDropEvent *event)
{
    m_hovered = false;
    update();
    const std::optional<qint64> refNo = DraggedTemplate(event->mimeData());
    if (m_current || !refNo)
        return;
    event->acceptProposedAction();
    Q_EMIT iconDropped(m_tabNo, *refNo);
}
