#pragma once

// Calculations of master and detail data sets: totals, sequence numbers, zero defaults and
// copying rows of a statement into a detail list.

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

class DataSet;

// Totals of the detail rows into the master's current row, which must be editing. The list has
// items "master field:detail field[:1]" separated by ";": the detail field "*COUNT*" counts the
// rows, a third part "1" takes the detail's row count instead. With a filter field, only rows
// whose filter field reads as the filter value count. Sums are exact (amounts and integers to
// the ten-thousandth); integer fields get the total rounded halves to even, amount fields to
// four decimals. The detail's current row does not move. A missing field raises.
void SumDtlToMainTable(DataSet &master, const DataSet &detail, const QString &sumList,
                       const QString &filterField = {}, const QString &filterValue = {});

// Numbers the field 1, 2, 3 ... over all rows in their current order (each row edited and
// posted; a pending edit is posted first), then returns to the row that was current. Nothing
// when the data set has no such field. False when a post was refused.
bool SetDtlTableSeqNo(DataSet &dataSet, const QString &fieldName);

// Sets every integer, floating and amount field of the current row to 0 (read-only fields and
// the row identity are left alone).
void SetTableInitValue(DataSet &dataSet);

// Runs the statement and appends one detail row per result row, copying the listed fields:
// pairs "detail field:source field" separated by ";". Each row is posted. Returns the number of
// rows added.
int InsertDetailList(const QSqlDatabase &db, DataSet &detail, const QString &sql, const QVariantList &params,
                     const QString &fieldPairs);
