#include "helpers/DatabaseFixtures.h"

#include "core/db/AdoFunc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

ToolRun runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

QStringList sqliteShellColumn(const QString &databaseFile, const QString &sql)
{
    const ToolRun run = runTool(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), databaseFile, sql});
    if (run.exitCode != 0)
        return {QStringLiteral("sqlite3 failed: ") + QString::fromUtf8(run.errors)};
    return QString::fromUtf8(run.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

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
