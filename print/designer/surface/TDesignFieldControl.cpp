#include "designer/surface/TDesignFieldControl.h"

#include "designer/model/FieldLook.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kGripSize = 6;
}

TDesignFieldControl::TDesignFieldControl(int tag, QWidget *page) : QWidget(page), m_tag(tag)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TDesignFieldControl::setCaption(const QString &caption)
{
    m_caption = caption;
    setToolTip(caption);
    update();
}

void TDesignFieldControl::setKind(const QString &kind)
{
    m_kind = kind;
    update();
}

void TDesignFieldControl::setPrinted(bool printed)
{
    m_printed = printed;
    update();
}

void TDesignFieldControl::setShown(bool shown)
{
    m_shown = shown;
    update();
}

void TDesignFieldControl::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void TDesignFieldControl::setFieldFont(const std::optional<QFont> &font)
{
    setFont(font.value_or(parentWidget() ? parentWidget()->font() : QFont()));
}

void TDesignFieldControl::paintEvent(QPaintEvent *)
{
    const FieldLook look = FieldLookOf(m_kind, m_printed, m_shown, m_selected);
    QPainter painter(this);
    QFont captionFont = font();
    captionFont.setStrikeOut(captionFont.strikeOut() || look.struckOut);
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    const int inset = look.borderWidth + 1;
    painter.drawText(rect().adjusted(inset, 0, -inset, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    if (look.grip.isValid() && width() > kGripSize * 2 && height() > kGripSize)
        painter.fillRect(width() - kGripSize - look.borderWidth, height() - kGripSize - look.borderWidth, kGripSize,
                         kGripSize, look.grip);
    QPen border(look.border, look.borderWidth);
    border.setJoinStyle(Qt::MiterJoin);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    const qreal half = look.borderWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

void TDesignFieldControl::mousePressEvent(QMouseEvent *event)
{
    emit pressed(this, event);
}

void TDesignFieldControl::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(this, event);
}

void TDesignFieldControl::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(this, event);
}

void TDesignFieldControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second press of a double click is a press like the first.
    emit pressed(this, event);
}
