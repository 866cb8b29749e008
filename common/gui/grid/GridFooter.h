#pragma once

#include "core/grid/FooterList.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class DataGrid;

// The footer row of a data grid: one cell under each column, at the column's place and width
// wherever it is moved, resized, scrolled or hidden. Totals follow the data set's rows.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    explicit GridFooter(DataGrid *grid);

    void setItems(const QList<FooterItem> &items);
    const QList<FooterItem> &items() const { return m_items; }

    // What the footer shows under a column (by the model's column), and where; an empty
    // rectangle for a hidden column.
    QString textOf(int column) const;
    QRect cellRect(int column) const;

    // Reads the totals again (the grid calls it when rows or values change).
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DataGrid *m_grid;
    QList<FooterItem> m_items;
    QStringList m_texts;  // by model column
    QList<Qt::Alignment> m_alignments;
};
