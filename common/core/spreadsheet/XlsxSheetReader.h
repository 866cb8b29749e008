#pragma once

#include "core/spreadsheet/ExcelSerialDate.h"
#include "core/spreadsheet/SheetData.h"
#include "core/spreadsheet/SheetRow.h"
#include "core/spreadsheet/XlsxStyles.h"

#include <QIODevice>
#include <QStringList>

// What the cells of a worksheet refer to elsewhere in the workbook.
struct XlsxWorkbookContext
{
    QStringList sharedStrings;
    XlsxStyles styles;
    DateSystem dateSystem = DateSystem::From1900;
};

// Reads one worksheet part. Rows and cells without a reference follow the one before them;
// formulas give their cached value. Raises SpreadsheetError (damaged) for a part that is not
// well-formed, a reference out of the sheet's bounds or a shared string that is not there.
SheetData ReadXlsxSheet(QIODevice *sheetPart, const XlsxWorkbookContext &workbook);

// The same, handing each row to the consumer as soon as the part has moved past it, so only a
// row is held at a time. Raises SheetRowOrderError for a cell in a row already handed over; a
// failure after rows were handed over is raised once the part's end is reached or the fault
// found, and the caller undoes what it did with them.
void ReadXlsxSheetRows(QIODevice *sheetPart, const XlsxWorkbookContext &workbook, const SheetRowConsumer &consumer);
