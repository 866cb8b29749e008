#include "SqliteShell.h"

#include <QProcess>
#include <QtTest>

QStringList SqliteShellRows(const QString &databasePath, const QString &sql)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), QStringLiteral("-separator"), QStringLiteral("|"),
                                            databasePath, sql});
    if (!shell.waitForFinished(30000) || shell.exitCode() != 0)
        qWarning("sqlite3 failed: %s", shell.readAllStandardError().constData());
    return QString::fromUtf8(shell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QStringList SqliteShellColumns(const QString &databasePath, const QString &table)
{
    QString literal = table;
    literal.replace('\'', QLatin1String("''"));
    return SqliteShellRows(databasePath, QStringLiteral("select name || ' ' || upper(type) from pragma_table_info('%1')").arg(literal));
}
