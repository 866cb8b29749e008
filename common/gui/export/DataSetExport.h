#pragma once

#include <QString>

class DataSet;

// Exports every field and row of the data set to a spreadsheet file that the user chooses in
// a save dialog proposing fileName ("数据导出.xlsx" in the documents folder when empty; a bare
// name goes into the documents folder; ".xlsx" is appended or takes the place of ".xls").
// An existing file is replaced only after the user agreed and only once the new file is
// complete. "数据导出完毕！" is shown after the file was saved (else why not), then the file is
// opened with its program. True when the file was written.
// The sheet is named sheetName ("Sheet1" when empty): the history query names it after the bill
// kind, which its import asks of a sheet.
bool DataSetExportToExcel(const DataSet &dataSet, const QString &fileName, const QString &sheetName = QString());
bool ToExcel(const QString &fileName, const DataSet &dataSet, const QString &sheetName = QString());

// The name with the spreadsheet extension: "a" and "a.xls" give "a.xlsx".
QString WithXlsxExtension(const QString &fileName);
