#pragma once

#include "core/spreadsheet/SheetCell.h"

#include <QList>

// The cells of one sheet, addressed by row and column from 0 (row 0 is the sheet's first row).
// Rows and columns run to the last cell that holds a value; anything beyond reads as empty.
class SheetData
{
public:
    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columnCount; }
    const SheetCell &cell(int row, int column) const;

    // An empty cell beyond the end changes nothing.
    void setCell(int row, int column, const SheetCell &cell);

private:
    QList<QList<SheetCell>> m_rows;
    int m_columnCount = 0;
};
