#pragma once

#include <QString>

class DataField;
class QTableView;

// TableFieldDataChange on the data set that the grid shows (through a DataSetTableModel, also
// behind proxy models). A grid that shows no data set is left alone.
void GridFieldDataChange(QTableView &grid, const QString &formula, DataField *changed);
