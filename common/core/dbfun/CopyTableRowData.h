#pragma once

#include <QString>

class DataSet;

// Copies a bill row (or, with a source bill number, all rows of that bill, e.g. its detail
// rows) of the table into the destination data set. The source row is found by the key column
// (the row id, "id" or "autoid"), which is never copied; RefNo gets the given number when
// useGivenNumber is set, else a fresh one from the system counter; the copy starts as a new
// bill (SetNewBillState). Columns are matched by name.
//
// With a source bill number every row is appended and posted. Without, the one row goes into
// the row being edited (or a new one) and is left unposted for the caller. Returns the bill
// number of the last copied row (empty when the table has no RefNo column or nothing matched).
QString CopyTableRowData(DataSet &destination, const QString &table, const QString &keyColumn, qint64 rowId,
                         const QString &sourceRefNo, bool useGivenNumber, const QString &givenNumber);
