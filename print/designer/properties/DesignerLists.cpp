#include "designer/properties/DesignerLists.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"

namespace DesignerLists {

QStringList TableColumns(const QSqlDatabase &db, const QString &table)
{
    QStringList columns;
    if (!table.isEmpty() && IsTableExists(db, table))
        AddTableFieldsToList(db, table, columns, 0);
    return columns;
}

QStringList DetailTables(const QSqlDatabase &db, const QString &mainTable)
{
    QStringList tables;
    SqlAddPickList(db, QStringLiteral("select TableName from p_tables where mainTableName = ? order by autoid"), tables,
                   {mainTable});
    return tables;
}

QStringList PickerNames(const QSqlDatabase &db)
{
    QStringList names;
    SqlAddPickList(db, QStringLiteral("select PickName from p_PickList order by autoid"), names);
    return names;
}

QStringList DropDownNames(const QSqlDatabase &db)
{
    QStringList names;
    SqlAddPickList(db, QStringLiteral("select distinct DmName from p_BaseCode where level = 1"), names);
    return names;
}

int PickerFieldCount(const QSqlDatabase &db, const QString &pickerName)
{
    return int(SelTableIntValue(db, QStringLiteral("select RtnFieldCount from p_picklist where pickname = ?"), {pickerName}));
}

QStringList ChooserColumns(const QSqlDatabase &db, const QString &table)
{
    QStringList columns;
    SqlAddPickList(db,
                   QStringLiteral("select b.fieldname from p_tables a, p_tablefields b where a.refno = b.refno"
                                  " and (b.fieldType = '字符型' or b.fieldType = '金额' or b.fieldType = '小数')"
                                  " and a.tablename = ? order by seqno"),
                   columns, {table});
    return columns;
}

} // namespace DesignerLists
