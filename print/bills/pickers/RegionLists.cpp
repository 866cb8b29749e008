#include "bills/pickers/RegionLists.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"

namespace {

QStringList regionList(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QStringList list;
    if (IsTableExists(db, QStringLiteral("DMTable2")))
        SqlAddPickList(db, sql, list, params);
    return list;
}

} // namespace

QStringList ProvinceList(const QSqlDatabase &db)
{
    return regionList(db, QStringLiteral("select distinct 一级代码 from DMTable2 where 类型='省市'"), {});
}

QStringList CityList(const QSqlDatabase &db, const QString &province)
{
    return regionList(db, QStringLiteral("select distinct 二级代码 from DMTable2 where 类型='省市' and 一级代码 = ?"),
                      {province});
}
