#pragma once

#include "core/spreadsheet/SheetCell.h"
#include "core/spreadsheet/SheetWriteResult.h"

#include <QList>
#include <QStringList>

#include <functional>

// Hands over the next row of a sheet being written; false when there is none.
using SheetRowSource = std::function<bool(QList<SheetCell> &row)>;

// Writes one sheet to an .xlsx file: the header labels in the first row (an empty label leaves
// its cell empty), then the rows. Cells keep their kind: texts stay texts (so "00123" and long
// account numbers survive), numbers are numbers, amounts numbers shown "0.00", dates and times
// dates with a date format; a text with line breaks stays in one wrapped cell.
//
// The file is written under a temporary name in the target's folder and renamed over the target
// only when it was written completely: a failed export leaves an existing file as it was.
// Rows go to the file as they come, so a long sheet is never held in memory.
SheetWriteResult WriteXlsxSheetRows(const QString &path, const QStringList &headerLabels, const SheetRowSource &nextRow,
                                    const QString &sheetName = QStringLiteral("Sheet1"));
SheetWriteResult WriteXlsxSheet(const QString &path, const QStringList &headerLabels,
                                const QList<QList<SheetCell>> &rows,
                                const QString &sheetName = QStringLiteral("Sheet1"));
