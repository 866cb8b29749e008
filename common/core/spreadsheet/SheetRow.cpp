#include "core/spreadsheet/SheetRow.h"

#include <algorithm>

namespace {
auto columnBelow = [](const SheetRow::Entry &entry, int column) { return entry.first < column; };
}

const SheetCell &SheetRow::cell(int column) const
{
    static const SheetCell empty;
    const auto found = std::lower_bound(m_cells.cbegin(), m_cells.cend(), column, columnBelow);
    return found != m_cells.cend() && found->first == column ? found->second : empty;
}

int SheetRow::setCell(int column, SheetCell &&cell)
{
    // Files list a row's cells left to right: appending is the usual case.
    auto at = m_cells.empty() || m_cells.back().first < column
                  ? m_cells.end()
                  : std::lower_bound(m_cells.begin(), m_cells.end(), column, columnBelow);
    const bool present = at != m_cells.end() && at->first == column;
    if (cell.isEmpty()) {
        if (!present)
            return 0;
        m_cells.erase(at);
        return -1;
    }
    if (present) {
        at->second = std::move(cell);
        return 0;
    }
    m_cells.emplace(at, column, std::move(cell));
    return 1;
}
