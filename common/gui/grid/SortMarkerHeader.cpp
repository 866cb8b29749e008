#include "gui/grid/SortMarkerHeader.h"

#include "core/dataset/FieldNameRole.h"

#include <QPainter>
#include <QStyleOption>

SortMarkerHeader::SortMarkerHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void SortMarkerHeader::setMarkers(const QList<SortMarker> &markers)
{
    m_markers = markers;
    viewport()->update();
}

void SortMarkerHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    const QString field = model() ? model()->headerData(logicalIndex, Qt::Horizontal, FieldNameRole).toString() : QString();
    for (qsizetype i = 0; i < m_markers.size(); ++i) {
        if (field.isEmpty() || m_markers[i].field.compare(field, Qt::CaseInsensitive) != 0)
            continue;
        const int size = qMin(8, rect.height() / 2);
        QRect arrow(rect.right() - size - 4, rect.center().y() - size / 2, size, size);
        QStyleOption option;
        option.initFrom(this);
        option.rect = arrow;
        style()->drawPrimitive(m_markers[i].descending ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowUp,
                               &option, painter, this);
        if (m_markers.size() > 1) {
            painter->save();
            QFont small = painter->font();
            small.setPointSizeF(small.pointSizeF() * 0.7);
            painter->setFont(small);
            painter->drawText(QRect(arrow.left() - 12, rect.top(), 11, rect.height()), Qt::AlignRight | Qt::AlignVCenter,
                              QString::number(i + 1));
            painter->restore();
        }
        return;
    }
}
