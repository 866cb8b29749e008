#include "core/dbfun/DeleteNoteTable.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"

void DeleteNoteTable(const QSqlDatabase &db, const QString &table, const QString &refNo, qint64 id)
{
    if (table == QStringLiteral("银行转帐单"))
        ExecTmpQuery(db, QStringLiteral("update 银行转帐单 set RefAutoId = 0 where RefAutoId = ?"), {id});
    const QString detail = table + QStringLiteral("明细");
    if (IsTableExists(db, detail))
        ExecTmpQuery(db, QStringLiteral("delete from %1 where RefNo = ?").arg(SqlName(detail)), {refNo});
}
