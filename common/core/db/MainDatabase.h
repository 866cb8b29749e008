#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's database file, "data/data.db" in the program folder.
QString MainDatabaseFile();

enum class DatabaseAccess { ReadWrite, ReadOnly };

// Opens `db` (a QSQLITE connection, closed first) on an existing file, never creating one, and
// checks that it is this program's database: a file that is not a database, or one without the
// program's tables, opens in SQLite and fails only at the first read. False, and `db` closed,
// when the file is missing, unreadable or not the program's.
bool OpenDatabaseFile(QSqlDatabase &db, const QString &path, DatabaseAccess access = DatabaseAccess::ReadWrite);

// True when the open database cannot be written: the file is opened read-only (a write-protected
// file or medium), or the file or its folder is not writable (SQLite needs the folder for its
// journal). The bills can be read, none saved.
bool IsReadOnlyDatabase(const QSqlDatabase &db);

// The warning at the start on such a database.
QString ReadOnlyDatabaseWarning();
