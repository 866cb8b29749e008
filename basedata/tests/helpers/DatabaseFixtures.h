#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Adds a Bs_User row with that user id through the connection.
void insertUser(const QSqlDatabase &db, const QString &userId);
bool hasUser(const QSqlDatabase &db, const QString &userId);

QByteArray fileBytes(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// The names in a folder, hidden ones too.
QStringList folderEntries(const QString &folder);
