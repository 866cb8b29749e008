#include "core/dbfun/BillNumberIndex.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/errors/CorvaneError.h"

#include <QStringList>

void EnsureUniqueBillNumbers(const QSqlDatabase &db)
{
    if (!IsTableExists(db, QStringLiteral("p_tables")))
        return;
    QStringList headers;
    SqlAddPickList(db, QStringLiteral("select TableName from p_tables where coalesce(MainTableName, '') = ''"), headers);
    for (const QString &table : headers) {
        if (!IsValidSqlName(table) || !IsTableExists(db, table))
            continue;
        try {
            ExecTmpQuery(db, QStringLiteral("create unique index if not exists %1 on %2 (RefNo)")
                                 .arg(SqlName(table + QStringLiteral("_RefNo")), SqlName(table)));
        } catch (const DatabaseError &) {
            // Numbers stored twice before: nothing to do here but keep the data.
        }
    }
}
