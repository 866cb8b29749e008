#pragma once

#include <QList>

class DataSet;

// The bill being printed: the header set on its current row, and the detail rows of its
// grids. Each detail set carries the Tag of its grid field (DataSet::tag()), which matches it
// to the grid; a grid without a set prints no rows.
struct BillData
{
    const DataSet *header = nullptr;
    QList<const DataSet *> details;
};
