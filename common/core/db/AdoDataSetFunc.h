#pragma once

// Routines on a caller's open data set (no statement of their own, except xRunQuery).

#include <QDateTime>
#include <QStringList>
#include <QVariantList>

class DataSet;

// Posts the row being edited or inserted; nothing while browsing. False when the post was
// refused by a handler.
bool PostDataSet(DataSet &dataSet);
// Reopens the data set and fills the list (cleared first) with the first field of every row.
void QueryItemPickList(DataSet &dataSet, QStringList &list);
// Puts the master into edit and keeps the detail on its row. False when the edit was refused.
bool MasterTableEDit(DataSet &master, DataSet &detail);
// Deletes every row, with the bound controls quiet meanwhile.
void DeleteTable(DataSet &dataSet);
void DeleteAdoQuery(DataSet &dataSet);
// Shows the named numeric columns as "****"; a name the data set lacks raises.
void DisVisablePrice(DataSet &dataSet, const QStringList &columns);
// The largest integer of the column over all rows, at least 0; the current row stays.
qint64 AdoQueryGetMaxSeqNo(const DataSet &dataSet, int column);
// The latest date of the column over all rows; invalid (the zero date) when there is none.
QDateTime AdoQueryGetMaxDate(const DataSet &dataSet, const QString &column);
// Closes the data set and sets its statement; opens it when `open`, else runs it as a command.
void xRunQuery(DataSet &dataSet, const QString &sql, bool open, const QVariantList &params = {});
// Sets the column to the text in every row (edit and post each). False when a post was refused;
// the rows before it keep the text.
bool UpdateQueryDtlValue(DataSet &dataSet, const QString &column, const QString &text);
