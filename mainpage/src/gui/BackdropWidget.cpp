#include "gui/BackdropWidget.h"

#include <QPainter>
#include <QPixmap>

BackdropWidget::BackdropWidget(const QImage &picture, Fill fill, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_fill(fill), m_colour(colour)
{
}

void BackdropWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    if (m_picture.isNull())
        return;
    if (m_fill == Fill::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_picture);
    } else {
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(m_picture));
    }
}
