#include "core/spreadsheet/SheetRowAssembler.h"

#include "core/spreadsheet/SheetData.h"
#include "core/spreadsheet/SheetRowOrderError.h"

#include <limits>

void SheetRowAssembler::rowBegins(int row)
{
    handOverBefore(row);
}

void SheetRowAssembler::addCell(int row, int column, SheetCell &&cell)
{
    if (row < 0 || column < 0)
        return;
    if (row <= m_handedOver)
        throw SheetRowOrderError();
    if (cell.isEmpty() && m_open.find(row) == m_open.end())
        return;
    if (row >= SheetData::kMaxRows || column >= SheetData::kMaxColumns)
        throw SpreadsheetError::tooLarge();
    SheetRow &open = m_open.try_emplace(row, row).first->second;
    if (m_values >= SheetData::kMaxCells && !cell.isEmpty() && open.cell(column).isEmpty())
        throw SpreadsheetError::tooLarge();
    m_values += open.setCell(column, std::move(cell));
}

void SheetRowAssembler::finish()
{
    handOverBefore(std::numeric_limits<int>::max());
}

void SheetRowAssembler::handOverBefore(int row)
{
    while (!m_open.empty() && m_open.begin()->first < row) {
        const auto first = m_open.begin();
        m_handedOver = first->first;
        m_values -= qsizetype(first->second.cells().size());
        if (!first->second.isEmpty())
            m_consumer(first->second);
        m_open.erase(first);
    }
}
