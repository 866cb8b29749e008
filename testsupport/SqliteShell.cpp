#include "SqliteShell.h"

#include "ExternalTool.h"

#include <QtGlobal>

QStringList SqliteShellRows(const QString &databasePath, const QString &sql)
{
    const ToolRun run = runTool(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), QStringLiteral("-separator"),
                                                            QStringLiteral("|"), databasePath, sql});
    if (run.exitCode != 0)
        qWarning("sqlite3 failed: %s", run.errors.constData());
    return QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts);
}

QStringList SqliteShellColumns(const QString &databasePath, const QString &table)
{
    QString literal = table;
    literal.replace('\'', QLatin1String("''"));
    return SqliteShellRows(databasePath, QStringLiteral("select name || ' ' || upper(type) from pragma_table_info('%1')").arg(literal));
}
