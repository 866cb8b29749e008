#pragma once

#include "core/grid/SortMarker.h"

#include <QHeaderView>

class DataSetTableModel;

// The title row of a data grid: draws the sort marker of every marked column (up ascending,
// down descending) and, when several columns are marked, the column's place in the sort.
class SortMarkerHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit SortMarkerHeader(QWidget *parent = nullptr);

    // The markers of the grid; fields that no column shows are drawn nowhere.
    void setMarkers(const QList<SortMarker> &markers);
    const QList<SortMarker> &markers() const { return m_markers; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    QList<SortMarker> m_markers;
};
