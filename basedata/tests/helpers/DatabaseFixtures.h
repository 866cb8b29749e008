#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Runs a tool that nobody here wrote (unzip, sqlite3) as an independent oracle.
struct ToolRun
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
ToolRun runTool(const QString &program, const QStringList &arguments);

// One text column of a query, as the sqlite3 shell reads it from a database file.
QStringList sqliteShellColumn(const QString &databaseFile, const QString &sql);

// Adds a Bs_User row with that user id through the connection.
void insertUser(const QSqlDatabase &db, const QString &userId);
bool hasUser(const QSqlDatabase &db, const QString &userId);

QByteArray fileBytes(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// The names in a folder, hidden ones too.
QStringList folderEntries(const QString &folder);
