#pragma once

#include "core/spreadsheet/SheetCell.h"
#include "core/spreadsheet/SheetRow.h"

#include <QHash>

// The cells of one sheet, addressed by row and column from 0 (row 0 is the sheet's first row).
// Rows and columns run to the last cell that holds a value; anything beyond reads as empty.
// Only cells with a value are kept, so a far-away cell costs no more than a near one; a sheet
// holds at most kMaxCells values and lies within Excel's own bounds (kMaxRows x kMaxColumns).
class SheetData
{
public:
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;
    static constexpr qsizetype kMaxCells = 1000000;

    int rowCount() const { return m_rowCount; }
    int columnCount() const { return m_columnCount; }
    const SheetCell &cell(int row, int column) const;

    // An empty cell beyond the end changes nothing. Raises SpreadsheetError (damaged) for a cell
    // beyond the bounds or one value too many.
    void setCell(int row, int column, const SheetCell &cell);

    // Every cell that holds a value, in no particular order: f(row, column, cell).
    template <typename F>
    void forEachCell(F f) const
    {
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
            f(int(it.key() >> 32), int(it.key() & 0xffffffffu), it.value());
    }
    qsizetype valueCount() const { return m_cells.size(); }

    // The rows that hold a value, in row order, as a reader that reads row by row hands them over.
    void forEachRow(const SheetRowConsumer &consumer) const;

private:
    static quint64 keyOf(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }

    QHash<quint64, SheetCell> m_cells;
    int m_rowCount = 0;
    int m_columnCount = 0;
};
