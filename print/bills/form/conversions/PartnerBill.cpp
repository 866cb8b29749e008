#include "bills/form/conversions/PartnerBill.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"

namespace {

std::optional<ConvertedBill> firstBill(const QSqlDatabase &db, const QString &sql, qint64 id)
{
    if (id <= 0)
        return std::nullopt;
    QSqlQuery query = RunStatement(db, sql, {id});
    if (!query.next())
        return std::nullopt;
    return ConvertedBill{query.value(0).toLongLong(), query.value(1).toString(), false};
}

} // namespace

std::optional<ConvertedBill> ExistingBill(const QSqlDatabase &db, const QString &table, qint64 id)
{
    return firstBill(db, QStringLiteral("select id, NoteName from %1 where id = ?").arg(SqlName(table)), id);
}

std::optional<ConvertedBill> BillPointingAt(const QSqlDatabase &db, const QString &table, qint64 id)
{
    return firstBill(db, QStringLiteral("select id, NoteName from %1 where RefAutoid = ? order by id limit 1").arg(SqlName(table)),
                     id);
}
