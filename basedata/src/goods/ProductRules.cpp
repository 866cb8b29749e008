#include "goods/ProductRules.h"

#include "common/KeyFieldRules.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"

QString ProductRowFault(const QSqlDatabase &db, DataSet &row)
{
    if (IsBlankField(row, QStringLiteral("PartNo")))
        return QStringLiteral("商品编号不能为空，请输入后再保存！");
    if (IsBlankField(row, QStringLiteral("PartName")))
        return QStringLiteral("商品名称不能为空，请输入后再保存！");
    if (IsBlankField(row, QStringLiteral("Unit")))
        return QStringLiteral("单位不能为空，请输入后再保存！");
    if (const DataField *price = row.findField(QStringLiteral("Price")); price && !price->isNull() && price->asFloat() < 0)
        return QStringLiteral("价格不能为负数，请修改后再保存！");
    TrimField(row, QStringLiteral("PartNo"));
    if (IsTakenByOtherRow(db, row, QStringLiteral("Bs_ProdList"), QStringLiteral("PartNo")))
        return QStringLiteral("商品编号已经存在，请修改后再保存！");
    return {};
}
