#include "core/dbfun/TableFieldDef.h"

#include "core/db/DatabaseFailure.h"
#include "core/errors/CorvaneError.h"

#include <QSqlError>
#include <QSqlQuery>

QList<TableFieldDef> ReadTableFieldDefs(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select b.FieldName, b.FieldType, b.LEN, b.Type, b.smalltype, b.BigType, b.CheckItems "
                                 "from p_tables a, p_TableFields b where a.RefNo = b.RefNo and a.TableName = ? "
                                 "order by b.seqno, b.autoid"));
    query.addBindValue(table);
    if (!query.exec())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    QList<TableFieldDef> defs;
    while (query.next()) {
        TableFieldDef def;
        def.fieldName = query.value(0).toString();
        def.fieldType = query.value(1).toString();
        def.len = query.value(2).toInt();
        def.type = query.value(3).toInt();
        def.smallType = query.value(4).toString();
        def.bigType = query.value(5).toString();
        def.checkItems = query.value(6).toString();
        defs.append(def);
    }
    return defs;
}
