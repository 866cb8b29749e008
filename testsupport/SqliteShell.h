#pragma once

#include <QString>
#include <QStringList>

// Reads a database with the sqlite3 shell, independently of the program's own connection.
// Each result row is one string, its columns joined by "|".
QStringList SqliteShellRows(const QString &databasePath, const QString &sql);

// "name TYPE" (type in capitals, as SQLite spells some itself) of every column of the table, in order (PRAGMA table_info through the shell).
QStringList SqliteShellColumns(const QString &databasePath, const QString &table);
