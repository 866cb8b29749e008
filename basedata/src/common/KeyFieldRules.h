#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// Whether a field of the current row is empty once blanks around it are removed.
bool IsBlankField(const DataSet &row, const QString &field);

// Writes the field back without blanks around it (a key is looked up as typed elsewhere,
// e.g. a user id at login, so blanks would make the row unreachable).
void TrimField(DataSet &row, const QString &field);

// Whether another row of the table (autoid other than the current row's) has the same value in
// the column, letter case ignored.
bool IsTakenByOtherRow(const QSqlDatabase &db, const DataSet &row, const QString &table, const QString &column);
