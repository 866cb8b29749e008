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
    // Runs at every start: one look-up finds the header tables still without their index.
    QStringList headers;
    SqlAddPickList(db,
                   QStringLiteral("select t.TableName from p_tables t where coalesce(t.MainTableName, '') = ''"
                                  " and exists (select 1 from sqlite_master m where m.type = 'table'"
                                  " and m.name = t.TableName collate nocase)"
                                  " and not exists (select 1 from sqlite_master i where i.type = 'index'"
                                  " and i.name = t.TableName || '_RefNo' collate nocase)"),
                   headers);
    for (const QString &table : headers) {
        if (!IsValidSqlName(table))
            continue;
        try {
            ExecTmpQuery(db, QStringLiteral("create unique index if not exists %1 on %2 (RefNo)")
                                 .arg(SqlName(table + QStringLiteral("_RefNo")), SqlName(table)));
        } catch (const DatabaseError &) {
            // Numbers stored twice before: nothing to do here but keep the data.
        }
    }
}
