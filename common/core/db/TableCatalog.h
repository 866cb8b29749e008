#pragma once

#include <QSqlDatabase>
#include <QString>

// Whether a table (or view) of that name exists; names compare without regard to letter case.
bool IsTableExists(const QSqlDatabase &db, const QString &table);

// Whether the table has a column of that name (letter case ignored); false when the table is
// missing.
bool IsTableFieldsExists(const QSqlDatabase &db, const QString &table, const QString &column);
