#pragma once

#include "core/db/TableCatalog.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// One table of a database with its columns, in their order.
struct SchemaTable
{
    QString name;
    QList<TableColumn> columns;
};

// Every table of the database (SQLite's own left out), in name order.
QList<SchemaTable> DatabaseSchema(const QSqlDatabase &db);

// The tables this version's schema files make, as built into the program (not as any database
// file on disk now says). Bill tables are the shipped p_tables rows and their 明细 tables; every
// other table is the program's own. Raises CorvaneError when the built-in schema cannot be read.
const QList<SchemaTable> &ShippedTables();
const QStringList &ShippedBillTables();
const QStringList &ProgramTableNames();

// A table this version needs and the columns of it that it uses: every program table with all
// its columns; every shipped bill table with its bookkeeping columns and the fields the program
// relies on (read-only in the editor), needed only where the database has that table, since
// bill tables come and go with their definitions.
struct NeededTable
{
    QString name;
    bool programTable = false;
    QStringList columns;
};
const QList<NeededTable> &NeededTables();

// Whether the name (blanks around and letter case ignored) is one of the program's own tables or
// one of SQLite's (sqlite_*): such a table never holds bills, so nothing that works on bill tables
// may create, alter, empty or drop it.
bool IsProgramTable(const QString &name);
