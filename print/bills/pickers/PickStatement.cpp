#include "bills/pickers/PickStatement.h"

#include "bills/pickers/PickerCatalog.h"
#include "core/db/SqlName.h"

namespace {

QString baseSql(const Picker &picker)
{
    QString sql = QStringLiteral("select * from %1 where 1=1").arg(SqlName(picker.table));
    if (!picker.condition.isEmpty())
        sql += QStringLiteral("\n and (%1)").arg(picker.condition);
    return sql;
}

} // namespace

PickStatement PickListStatement(const Picker &picker)
{
    return {baseSql(picker), {}};
}

PickStatement PickSearchStatement(const Picker &picker, const QStringList &searchFields, const QString &searchText)
{
    PickStatement statement{baseSql(picker), {}};
    QString search = QStringLiteral("1=2");
    const QString pattern = QLatin1Char('%') + searchText.trimmed() + QLatin1Char('%');
    for (const QString &field : searchFields) {
        search += QStringLiteral(" or (coalesce(%1, '') like ?)").arg(SqlName(field));
        statement.params.append(pattern);
    }
    statement.sql += QStringLiteral("\n and (%1)").arg(search);
    return statement;
}
