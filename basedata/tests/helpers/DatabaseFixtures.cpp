#include "helpers/DatabaseFixtures.h"

#include "core/db/AdoFunc.h"

#include <QDir>
#include <QFile>
#include <QtTest>

void insertUser(const QSqlDatabase &db, const QString &userId)
{
    ExecTmpQuery(db, QStringLiteral("insert into Bs_User (UserId, UserName) values (?, ?)"), {userId, userId});
}

bool hasUser(const QSqlDatabase &db, const QString &userId)
{
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from Bs_User where UserId = ?"), {userId});
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
