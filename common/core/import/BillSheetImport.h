#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct BillSheetImport
{
    int rows = 0;
    // The RefNo of the first imported row (with a bill kind), else its row id; when nothing was
    // imported, one more than the largest there is.
    qint64 firstNumber = 0;
};

// Imports the first sheet of an .xls or .xlsx file into the table, all rows or none, in one
// transaction. Row 1 holds the column names (up to the first empty one, at most 100; letter
// case ignored; a cell that names no column may be one of the titles a screen shows for a
// column, given in columnOfTitle; names that are no column, and the bookkeeping columns and
// the row id, are skipped, and so are the keptColumns, which every imported row leaves at
// their defaults; a header naming no column at all is refused); rows follow from row 2 up to the first row whose cells are all empty. Cells keep
// their type: numbers by their exact figures (amounts, long account numbers), dates as dates.
//
// Every row starts as a new bill: a fresh RefNo from the system counter where the table has
// one, Flag -1, dis 0, printcount 0, RefAutoid 0, and with a bill kind the kind's default
// format and its category; every written field has its derived columns filled.
//
// With a bill kind the first sheet must be named after it. Raises SpreadsheetError when the
// file cannot be read, SheetImportError for a wrong sheet, a missing default format or a row
// that fails (naming its row and column; nothing stays written).
BillSheetImport ImportBillSheet(const QSqlDatabase &db, const QString &kind, const QString &table, const QString &path,
                                const QHash<QString, QString> &columnOfTitle = {}, const QStringList &keptColumns = {});
