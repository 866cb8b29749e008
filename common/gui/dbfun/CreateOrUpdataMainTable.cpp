#include "gui/dbfun/CreateOrUpdataMainTable.h"

#include "core/dbfun/BillTableDdl.h"
#include "gui/dialogs/MessageBoxes.h"

namespace {

QString outcomeText(const BillTableResult &result, const QString &table, bool update)
{
    switch (result.outcome) {
    case BillTableOutcome::Done:
        return update ? QStringLiteral("更新完成") : QStringLiteral("创建完成");
    case BillTableOutcome::AlreadyExists:
        return QStringLiteral("数据表%1已经存在").arg(table);
    case BillTableOutcome::Missing:
        return QStringLiteral("数据表%1不存在,应先创建").arg(table);
    case BillTableOutcome::Failed:
        break;
    }
    // The reason tells the user what to change in the definition.
    const QString failed = update ? QStringLiteral("更新错误") : QStringLiteral("创建错误");
    return result.error.isEmpty() ? failed : failed + QStringLiteral("：") + result.error;
}

} // namespace

bool CreateOrUpdataMainTable(const QSqlDatabase &db, const QString &table, bool update,
                             const std::optional<QList<TableFieldDef>> &defs)
{
    const BillTableResult result = BuildBillTable(db, table, update, defs);
    ShowMsgHint(outcomeText(result, table, update));
    return result.outcome == BillTableOutcome::Done;
}
