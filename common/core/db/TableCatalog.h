#pragma once

#include "core/db/ColumnKind.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// One column as the database declares it (PRAGMA table_info).
struct TableColumn
{
    QString name;
    QString declaredType;   // as written in the DDL, e.g. "varchar(50)"
    bool notNull = false;
    QString defaultSql;     // the default's SQL text; empty when there is none
    int primaryKeyIndex = 0; // 1-based position in the primary key, 0 when not part of it
};

// Whether a table (or view) of that name exists; names compare without regard to letter case.
bool IsTableExists(const QSqlDatabase &db, const QString &table);

// The table's columns in their order; empty when the table is missing.
QList<TableColumn> TableColumns(const QSqlDatabase &db, const QString &table);

// Whether the table has a column of that name (letter case ignored); false when the table is
// missing.
bool IsTableFieldsExists(const QSqlDatabase &db, const QString &table, const QString &column);

// The column's kind from its declared type; ColumnKind::None when the column (or the table) is
// missing.
ColumnKind GetTableFieldType(const QSqlDatabase &db, const QString &table, const QString &column);

// Fills `list` with the table's columns after the first, leaving out the bookkeeping columns
// id, NoteTypeName, NoteName, Refno, RefAutoid and printcount (exact spelling). Mode 0 lists
// every other column, mode 1 only numeric ones, any other mode none.
void AddTableFieldsToList(const QSqlDatabase &db, const QString &table, QStringList &list, int mode);
