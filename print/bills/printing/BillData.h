#pragma once

#include <QList>

class DataSet;

// Rows of a detail grid: all rows of a set, or `count` rows from `first` when several bills'
// details share one set. The set carries the Tag of its grid field (DataSet::tag()), which
// matches it to the grid.
struct DetailRows
{
    DetailRows(const DataSet *rows = nullptr) : set(rows) {}  // NOLINT: every row of the set
    DetailRows(const DataSet *rows, int firstRow, int rowCount) : set(rows), first(firstRow), count(rowCount) {}

    const DataSet *set = nullptr;
    int first = 0;
    int count = -1;  // below 0: up to the set's end
};

// The bill being printed: a row of the header set (its current row unless `headerRow` names
// one, counted from 0), and the detail rows of its grids. A grid without rows of its Tag
// prints no rows.
struct BillData
{
    const DataSet *header = nullptr;
    QList<DetailRows> details;
    int headerRow = -1;
};
