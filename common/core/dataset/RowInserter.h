#pragma once

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>

class DataSet;

// Writes the row a data set is inserting straight into its table, with one prepared statement
// for every row that sets the same columns, and reads nothing back; the caller then drops the
// row from the data set. For imports of many rows into a table no screen is showing.
class RowInserter
{
public:
    explicit RowInserter(DataSet &dataSet);
    // The new row's row id. Raises DatabaseError with the driver's text.
    qint64 insertCurrentRow();

private:
    DataSet &m_set;
    QHash<QList<int>, QSqlQuery> m_statements;  // by the field indexes set
};
