#include "bills/form/conversions/BillCopy.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/dbfun/CopyTableRowData.h"
#include "core/errors/CorvaneError.h"

qint64 CopyWholeBill(const QSqlDatabase &db, const QString &table, const QStringList &detailTables, qint64 sourceId)
{
    const QString oldRefNo =
        SelTableStringValue(db, QStringLiteral("select RefNo from %1 where id = ?").arg(SqlName(table)), {sourceId}).trimmed();
    if (oldRefNo.isEmpty())
        throw DatabaseError(QStringLiteral("空单据不能复制"));

    Transaction tx(db);
    DataSet header;
    header.setConnection(db);
    header.setSql(QStringLiteral("select * from %1 where 1=2").arg(SqlName(table)));
    header.open();
    const QString newRefNo = CopyTableRowData(header, table, QStringLiteral("id"), sourceId, QString(), false, QString());
    if (newRefNo.isEmpty() || !header.post())
        throw DatabaseError(QStringLiteral("单据%1不能复制").arg(oldRefNo));
    const qint64 newId = header.fieldByName(QStringLiteral("id"))->asInteger();

    for (const QString &detailTable : detailTables) {
        DataSet lines;
        lines.setConnection(db);
        lines.setSql(QStringLiteral("select * from %1 where 1=2").arg(SqlName(detailTable)));
        lines.open();
        CopyTableRowData(lines, detailTable, QStringLiteral("id"), 0, oldRefNo, true, newRefNo);
        const qint64 copied = SelTableIntValue(
            db, QStringLiteral("select count(*) from %1 where RefNo = ?").arg(SqlName(detailTable)), {newRefNo});
        const qint64 source = SelTableIntValue(
            db, QStringLiteral("select count(*) from %1 where RefNo = ?").arg(SqlName(detailTable)), {oldRefNo});
        if (copied != source)
            throw DatabaseError(QStringLiteral("单据%1的明细不能复制").arg(oldRefNo));
    }
    tx.commit();
    return newId;
}
