#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>

// Where a result column comes from, as SQLite reports it for a prepared statement: the
// declared type and the table and column it was selected from (empty for an expression).
struct ColumnOrigin
{
    QString name;          // as the result names it
    QString declaredType;
    QString table;
    QString column;
};

// The columns of an executed SELECT on a QSQLITE connection.
QList<ColumnOrigin> readColumnOrigins(const QSqlQuery &query);
