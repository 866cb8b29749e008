#pragma once

#include <QSqlDatabase>
#include <QString>

// SQLite cannot alter a column's type, so the table is rebuilt: a copy with the new type takes
// its rows, replaces it and gets its indexes, triggers and AUTOINCREMENT counter back (ids are
// never handed out twice). Names, declared types, NOT NULL, defaults and the primary key are
// kept; the tables built here carry no collations, CHECK or foreign-key clauses, which a
// rebuild would not keep. All or nothing; raises DatabaseError on failure.
void ChangeColumnType(const QSqlDatabase &db, const QString &table, const QString &column, const QString &newType);

// Declared types compare without regard to letter case and blanks: "VARCHAR( 50 )" = "varchar(50)".
bool IsSameDeclaredType(const QString &a, const QString &b);
