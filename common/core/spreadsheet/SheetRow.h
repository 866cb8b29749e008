#pragma once

#include "core/spreadsheet/SheetCell.h"

#include <functional>
#include <utility>
#include <vector>

// The cells of one sheet row that hold a value, by column from 0, as a reader hands rows over.
class SheetRow
{
public:
    using Entry = std::pair<int, SheetCell>; // column, cell

    explicit SheetRow(int index = 0) : m_index(index) {}

    int index() const { return m_index; }
    bool isEmpty() const { return m_cells.empty(); }
    const SheetCell &cell(int column) const;
    // In column order.
    const std::vector<Entry> &cells() const { return m_cells; }

    // An empty cell removes the column's value. Gives the change in the number of values
    // (+1 added, 0 replaced or nothing, -1 removed).
    int setCell(int column, SheetCell &&cell);

private:
    int m_index;
    std::vector<Entry> m_cells;
};

// Receives a sheet's rows that hold a value, in row order, each once; rows between them are
// empty. An exception it raises ends the reading.
using SheetRowConsumer = std::function<void(const SheetRow &)>;
