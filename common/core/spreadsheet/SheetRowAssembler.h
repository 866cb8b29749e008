#pragma once

#include "core/spreadsheet/SheetRow.h"

#include <map>

// Gathers the cells of a sheet as its file lists them and hands each row to the consumer once
// the file has moved past it. Rows may come in any order as long as no cell falls into a row
// already handed over (SheetRowOrderError). Cells beyond the sheet's bounds, or more values held
// at once than a sheet may have, raise SpreadsheetError (too large), as a whole sheet would.
class SheetRowAssembler
{
public:
    explicit SheetRowAssembler(const SheetRowConsumer &consumer) : m_consumer(consumer) {}

    // A row of the file begins: the rows before it are complete.
    void rowBegins(int row);
    void addCell(int row, int column, SheetCell &&cell);
    // The file ended well: the rows still open are handed over.
    void finish();

private:
    void handOverBefore(int row);

    const SheetRowConsumer &m_consumer;
    std::map<int, SheetRow> m_open; // begun and not handed over, by row
    int m_handedOver = -1;          // the last row handed over
    qsizetype m_values = 0;         // values in the open rows
};
