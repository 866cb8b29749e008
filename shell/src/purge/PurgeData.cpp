#include "purge/PurgeData.h"

#include "core/db/AdoFunc.h"
#include "core/db/ShippedSchema.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "gui/dialogs/MessageSeam.h"

#include <QStringList>

namespace {

QStringList tablesToPurge(const QSqlDatabase &db, bool history)
{
    if (!history)
        return {QStringLiteral("bs_complist"), QStringLiteral("Bs_Customer"), QStringLiteral("Bs_ProdList")};
    QStringList defined;
    if (IsTableExists(db, QStringLiteral("p_tables")))
        SqlAddPickList(db, QStringLiteral("select TableName from p_tables"), defined);
    // Whatever a definition names, the program's own tables (users, templates, stock, the
    // register...) are never emptied with the bills.
    QStringList tables;
    for (const QString &table : defined) {
        for (const QString &name : {table, table + QStringLiteral("明细")}) {
            if (!IsProgramTable(name))
                tables.append(name);
        }
    }
    return tables;
}

} // namespace

void PurgeData(const QSqlDatabase &db, bool history)
{
    const QStringList tables = tablesToPurge(db, history);
    Transaction transaction(db);
    for (const QString &table : tables) {
        if (IsTableExists(db, table))
            ExecTmpQuery(db, QStringLiteral("delete from %1 ").arg(SqlName(table)));
    }
    transaction.commit();
}

void PurgeDataWithConfirmation(const QSqlDatabase &db, bool history)
{
    MessageRequest question;
    question.icon = QMessageBox::Question;
    question.title = QStringLiteral("确认");
    question.text = QStringLiteral("删除数据之前最好先备份，是否确认删除？");
    question.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    if (MessageSeam::ask(question) != QMessageBox::Ok)
        return;
    PurgeData(db, history);
    MessageRequest done;
    done.icon = QMessageBox::Information;
    done.title = QStringLiteral("提示");
    done.text = QStringLiteral("删除数据完成");
    MessageSeam::ask(done);
}
