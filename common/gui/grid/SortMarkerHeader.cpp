#include "gui/grid/SortMarkerHeader.h"

#include "core/dataset/FieldNameRole.h"

#include <QPainter>

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
    // The header leaves its painter clipped to nothing; the markers draw on a painter of their own state.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const QString field = model() ? model()->headerData(logicalIndex, Qt::Horizontal, FieldNameRole).toString() : QString();
    for (qsizetype i = 0; i < m_markers.size(); ++i) {
        if (field.isEmpty() || m_markers[i].field.compare(field, Qt::CaseInsensitive) != 0)
            continue;
        // A small triangle at the right: point up ascending, down descending.
        const int size = qMax(4, qMin(8, rect.height() / 2 - 2));
        const QRect arrow(rect.right() - size - 5, rect.center().y() - size / 2, size, size);
        const QPolygon triangle = m_markers[i].descending
            ? QPolygon({arrow.topLeft(), arrow.topRight(), QPoint(arrow.center().x(), arrow.bottom())})
            : QPolygon({arrow.bottomLeft(), arrow.bottomRight(), QPoint(arrow.center().x(), arrow.top())});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(triangle);
        painter->restore();
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
