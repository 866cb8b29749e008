#include "core/db/TableCatalog.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"

#include <QSqlQuery>

bool IsTableExists(const QSqlDatabase &db, const QString &table)
{
    return !SqlTableIsEmpty(db,
                            QStringLiteral("select 1 from sqlite_master where type in ('table', 'view') "
                                           "and name = ? collate nocase"),
                            {table});
}

bool IsTableFieldsExists(const QSqlDatabase &db, const QString &table, const QString &column)
{
    if (!IsTableExists(db, table))
        return false;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("pragma table_info(%1)").arg(SqlName(table))))
        return false;
    while (query.next()) {
        if (query.value(1).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
