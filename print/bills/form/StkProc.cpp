#include "bills/form/StkProc.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"

#include <exception>
#include <optional>

namespace {

struct StockKind
{
    QString header;
    QString detail;
    int factor;  // quantity booked per line = 数量 x factor x sign
};

std::optional<StockKind> stockKindOf(const QString &baseKind)
{
    if (baseKind == QStringLiteral("送货单"))
        return StockKind{QStringLiteral("出货单"), QStringLiteral("出货单明细"), -1};
    if (baseKind == QStringLiteral("进仓单"))
        return StockKind{QStringLiteral("进仓单"), QStringLiteral("进仓单明细"), 1};
    return std::nullopt;
}

QString goodsValue(const QSqlDatabase &db, const QString &column, const QString &partNo)
{
    if (!IsTableExists(db, QStringLiteral("Bs_ProdList")))
        return {};
    return SelTableStringValue(db, QStringLiteral("select %1 from Bs_ProdList where PartNo = ?").arg(column), {partNo});
}

void book(const QSqlDatabase &db, const QString &partNo, const QString &warehouse, double quantity)
{
    const QVariant amount = QString::number(quantity, 'f', 2);
    const QVariantList key{partNo, warehouse};
    if (!SqlTableIsEmpty(db, QStringLiteral("select 1 from 商品库存 where 产品编号 = ? and 仓库 = ?"), key)) {
        ExecTmpQuery(db,
                     QStringLiteral("update 商品库存 set 数量 = coalesce(数量, 0) + CAST(? AS REAL)"
                                    " where 产品编号 = ? and 仓库 = ?"),
                     {amount, partNo, warehouse});
        return;
    }
    ExecTmpQuery(db,
                 QStringLiteral("insert into 商品库存 (产品编号, 品名, 规格, 单位, 数量, 仓库)"
                                " values (?, ?, ?, ?, CAST(? AS REAL), ?)"),
                 {partNo, goodsValue(db, QStringLiteral("PartName"), partNo),
                  goodsValue(db, QStringLiteral("PartSpec"), partNo), goodsValue(db, QStringLiteral("Unit"), partNo),
                  amount, warehouse});
}

bool postStock(const QSqlDatabase &db, const StockKind &kind, const QString &refNo, int sign)
{
    try {
        Transaction tx(db);
        QSqlQuery lines = RunStatement(db,
                                       QStringLiteral("select b.产品编号, b.数量, b.仓库 from %1 a join %2 b on a.Refno = b.Refno"
                                                      " where a.Refno = ? order by b.id")
                                           .arg(SqlName(kind.header), SqlName(kind.detail)),
                                       {refNo});
        bool first = true;
        QString warehouse;
        while (lines.next()) {
            if (first)
                warehouse = lines.value(2).toString();
            first = false;
            book(db, lines.value(0).toString(), warehouse, lines.value(1).toDouble() * kind.factor * sign);
        }
        ExecTmpQuery(db, QStringLiteral("update %1 set Flag = ? where Refno = ?").arg(SqlName(kind.header)), {sign, refNo});
        tx.commit();
        return true;
    } catch (const std::exception &) {
        return false;  // rolled back: the bill and the stock stay as they were
    }
}

} // namespace

bool PostNote(const QSqlDatabase &db, const QString &baseKind, const QString &refNo, int sign)
{
    if (const std::optional<StockKind> kind = stockKindOf(baseKind))
        return postStock(db, *kind, refNo, sign);
    const QString table =
        SelTableStringValue(db, QStringLiteral("select MainTableName from s_PrintType where PrintName = ?"), {baseKind});
    ExecTmpQuery(db, QStringLiteral("update %1 set Flag = ? where Refno = ?").arg(SqlName(table)), {sign, refNo});
    return true;
}
