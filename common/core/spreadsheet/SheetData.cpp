#include "core/spreadsheet/SheetData.h"

#include "core/spreadsheet/SpreadsheetError.h"

#include <algorithm>
#include <vector>

const SheetCell &SheetData::cell(int row, int column) const
{
    static const SheetCell empty;
    const auto found = m_cells.constFind(keyOf(row, column));
    return found == m_cells.cend() ? empty : *found;
}

void SheetData::setCell(int row, int column, const SheetCell &cell)
{
    if (row < 0 || column < 0)
        return;
    if (cell.isEmpty()) {
        m_cells.remove(keyOf(row, column));
        return;
    }
    if (row >= kMaxRows || column >= kMaxColumns || (m_cells.size() >= kMaxCells && !m_cells.contains(keyOf(row, column))))
        throw SpreadsheetError::tooLarge();
    m_cells.insert(keyOf(row, column), cell);
    m_rowCount = std::max(m_rowCount, row + 1);
    m_columnCount = std::max(m_columnCount, column + 1);
}

void SheetData::forEachRow(const SheetRowConsumer &consumer) const
{
    std::vector<quint64> keys;
    keys.reserve(size_t(m_cells.size()));
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        keys.push_back(it.key());
    std::sort(keys.begin(), keys.end()); // by row, then column
    for (size_t i = 0; i < keys.size();) {
        SheetRow row(int(keys[i] >> 32));
        for (; i < keys.size() && int(keys[i] >> 32) == row.index(); ++i)
            row.setCell(int(keys[i] & 0xffffffffu), SheetCell(m_cells.value(keys[i])));
        consumer(row);
    }
}
