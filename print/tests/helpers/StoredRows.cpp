#include "helpers/StoredRows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

QString StoredRows(const QString &databasePath, const QString &sql)
{
    const QString name = QStringLiteral("storedRows");
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(databasePath));
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns.append(query.value(i).toString());
            rows.append(columns.join(QLatin1Char('|')));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows.join(QLatin1Char('\n'));
}
