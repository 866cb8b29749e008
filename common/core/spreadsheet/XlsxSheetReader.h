#pragma once

#include "core/spreadsheet/ExcelSerialDate.h"
#include "core/spreadsheet/SheetData.h"
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
