#include "core/spreadsheet/SheetData.h"

const SheetCell &SheetData::cell(int row, int column) const
{
    static const SheetCell empty;
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows[row].size())
        return empty;
    return m_rows[row][column];
}

void SheetData::setCell(int row, int column, const SheetCell &cell)
{
    if (row < 0 || column < 0)
        return;
    if (cell.isEmpty() && (row >= m_rows.size() || column >= m_rows[row].size()))
        return;
    if (row >= m_rows.size())
        m_rows.resize(row + 1);
    QList<SheetCell> &cells = m_rows[row];
    if (column >= cells.size())
        cells.resize(column + 1);
    cells[column] = cell;
    m_columnCount = std::max(m_columnCount, column + 1);
}
