#pragma once

#include "ExternalTool.h"

// Spreadsheet files made by independent writers (python3-xlwt, python3-openpyxl, zipfile).
// The scripts live apart from the tests, whose moc pass does not take their raw strings.

// typed.xls and typed.xlsx in the folder: sheet "单据" with a header, one row of typed values
// ("00123", 1234567.89, 6222021234567890, a date, a date-time, TRUE, two lines), a gap, "隔行"
// in row 5 (and #DIV/0! in H5 of the .xlsx); sheet "只有表头" with the header 甲, 乙; sheet "Empty".
ToolRun MakeTypedSheetFixtures(const QString &folder);

// One sheet named sheetName at path (.xls through xlwt, else .xlsx through openpyxl) from JSON
// rows: strings, numbers, null for an empty cell, {"date": "yyyy-mm-dd"} for a date cell.
ToolRun MakeSheetFromRows(const QString &path, const QString &sheetName, const QString &rowsJson);

// A package written by hand: the workbook part found only through the relationships, 1904
// dates, custom and built-in number formats, inline strings, rich text with a phonetic run,
// escaped characters, cached formula values, cells and rows without a reference.
ToolRun MakeHandWrittenPackage(const QString &path);

// The first sheet of an .xlsx as openpyxl reads it, as JSON: {"sheets": [names], "maxRow": n,
// "rows": [[{"value", "type", "format", "wrap"}]]}; dates and times as ISO text.
ToolRun ReadXlsxWithOpenpyxl(const QString &path);
