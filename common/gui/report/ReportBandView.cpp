#include "gui/report/ReportBandView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

ReportBandView::ReportBandView(const ReportBand &band, int width, QWidget *page)
    : QWidget(page), m_kind(band.kind), m_caption(ReportBandCaption(band.kind))
{
    if (!band.dataSet.isEmpty())
        m_caption += QStringLiteral("：") + band.dataSet;
    setObjectName(QStringLiteral("band_%1").arg(int(band.kind)));
    resize(width, std::max(int(std::lround(band.height * logicalDpiY() / 25.4)), 1));
}

void ReportBandView::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void ReportBandView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_selected ? QColor(232, 240, 255) : QColor(250, 250, 250));
    QFont small = font();
    small.setPointSize(8);
    painter.setFont(small);
    painter.setPen(QColor(150, 150, 150));
    painter.drawText(rect().adjusted(2, 0, -2, -1), Qt::AlignRight | Qt::AlignBottom, m_caption);
    QPen dashed(QColor(120, 120, 120));
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void ReportBandView::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(m_kind);
    event->accept();
}
