#include "designer/surface/TDesignPage.h"

#include "designer/model/RubberBand.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

TDesignPage::TDesignPage(QWidget *parent) : QWidget(parent), m_band(new QFrame(this))
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setMouseTracking(true);
    m_band->setObjectName(QStringLiteral("SelShape"));
    m_band->setStyleSheet(QStringLiteral("QFrame#SelShape { border: 1px dotted black; background: transparent; }"));
    m_band->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_band->hide();
}

void TDesignPage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TDesignPage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}

void TDesignPage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ShiftModifier) {
        m_banding = true;
        m_bandStart = event->position().toPoint();
        m_band->setGeometry(QRect(m_bandStart, QSize(0, 0)));
        m_band->show();
        m_band->raise();
    }
}

void TDesignPage::mouseMoveEvent(QMouseEvent *event)
{
    if (m_banding)
        m_band->setGeometry(RubberBandRect(m_bandStart, event->position().toPoint()));
}

void TDesignPage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // The click comes first: the band's fields then replace the selection. A release outside
    // the page is no click, so they are added to it.
    if (rect().contains(at))
        emit clicked();
    if (m_banding && (event->modifiers() & Qt::ShiftModifier)) {
        m_banding = false;
        m_band->hide();
        emit rubberBandDrawn(m_bandStart, at);
    }
}

void TDesignPage::mouseDoubleClickEvent(QMouseEvent *)
{
    emit doubleClicked();
}
