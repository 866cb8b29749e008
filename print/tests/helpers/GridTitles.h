#pragma once

#include <QHeaderView>
#include <QStringList>
#include <QTableView>

// The titles of a grid's shown columns, left to right as the user sees them.
inline QStringList ShownTitles(const QTableView *grid)
{
    QStringList titles;
    const QHeaderView *header = grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column))
            titles.append(grid->model()->headerData(column, Qt::Horizontal).toString());
    }
    return titles;
}
