#include "gui/PicturePanel.h"

#include "data/PictureFit.h"
#include "gui/WidgetBackground.h"

#include <QMouseEvent>
#include <QPainter>

PicturePanel::PicturePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PicPanel"));
    FillBackground(this, Qt::white);
    setToolTip(QStringLiteral("左键按住放大，右键按住缩小"));
    m_timer.setObjectName(QStringLiteral("PicTimer"));
    m_timer.setInterval(kRepeatMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Q_EMIT heightStepRequested(m_step); });
}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

QRect PicturePanel::pictureRect() const
{
    return FitPictureToPanel(m_picture.size(), size());
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}

void PicturePanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    m_step = event->button() == Qt::LeftButton ? kStep : -kStep;
    Q_EMIT heightStepRequested(m_step);
    m_timer.start();
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *)
{
    m_timer.stop();
}
