#pragma once

#include "core/spreadsheet/SheetData.h"

#include <QStringList>

// One file format's reading of a workbook; errors are raised as SpreadsheetError.
class WorkbookBackend
{
public:
    virtual ~WorkbookBackend() = default;
    virtual QStringList sheetNames() const = 0;
    virtual SheetData readSheet(int index) = 0;
    // The sheet's rows as the consumer takes them (SheetRow.h). A format that cannot read row
    // by row reads the sheet whole first.
    virtual void readRows(int index, const SheetRowConsumer &consumer) { readSheet(index).forEachRow(consumer); }
};
