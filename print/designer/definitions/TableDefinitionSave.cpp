#include "designer/definitions/TableDefinitionSave.h"

#include "core/bfun/DetailSums.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/dbfun/TableFieldDef.h"
#include "core/errors/CorvaneError.h"

namespace {

QVariant rowValue(const DataSet &set, int row, const char *name)
{
    const DataField *field = set.findField(QLatin1String(name));
    return field ? set.value(row, field) : QVariant();
}

} // namespace

QList<TableFieldDef> FieldDefsOfRows(const DataSet &fields)
{
    QList<TableFieldDef> defs;
    for (int row = 0; row < fields.recordCount(); ++row) {
        TableFieldDef def;
        def.fieldName = rowValue(fields, row, "FieldName").toString();
        def.fieldType = rowValue(fields, row, "FieldType").toString();
        def.len = rowValue(fields, row, "LEN").toInt();
        def.type = rowValue(fields, row, "Type").toInt();
        def.smallType = rowValue(fields, row, "smalltype").toString();
        def.bigType = rowValue(fields, row, "BigType").toString();
        def.checkItems = rowValue(fields, row, "CheckItems").toString();
        defs.append(def);
    }
    return defs;
}

std::optional<QString> TableDefinitionFault(const DataSet &table, const DataSet &fields)
{
    return DefinitionFault(table.fieldByName(QStringLiteral("TableName"))->asString().trimmed(), FieldDefsOfRows(fields));
}

void SaveTableDefinition(const QSqlDatabase &db, DataSet &table, DataSet &fields)
{
    Transaction transaction(db);
    if (!SetDtlTableSeqNo(fields, QStringLiteral("seqno")))
        throw CorvaneError(QStringLiteral("字段序号不能保存"));
    if (table.isEditing() && !table.post())
        throw CorvaneError(QStringLiteral("数据表不能保存"));
    if (!table.applyUpdates() || !fields.applyUpdates())
        throw CorvaneError(QStringLiteral("数据表不能保存"));
    transaction.commit();
}
