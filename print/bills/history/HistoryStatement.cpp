#include "bills/history/HistoryStatement.h"

#include "core/db/SqlName.h"

#include <QSqlDatabase>
#include <QSqlRecord>

namespace {

QString detailColumns(const QSqlDatabase &db, const QString &detailTable)
{
    const QSqlRecord record = db.record(detailTable);
    QStringList columns;
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        columns.append(QStringLiteral("c.%1 as %2").arg(SqlName(name), SqlName(QStringLiteral("c.") + name)));
    }
    return columns.isEmpty() ? QStringLiteral("c.*") : columns.join(QLatin1Char(','));
}

// The bills of the kind. A bill whose format was deleted since goes with the kind of the formats
// left in its category; only when its category is gone too is its kind unknown, and it stays
// listed with every kind that keeps its bills in this table, so deleting a category never hides
// a bill. The kind word is bound twice.
QString kindCondition()
{
    return QStringLiteral("(b.notetype=? or (b.notename is null and (exists (select 1 from p_notelist k where"
                          " k.notenametype=a.notetypename and k.notetype=?) or not exists (select 1 from p_notelist k"
                          " where k.notenametype=a.notetypename))))");
}

} // namespace

SqlCondition HistoryStatement(const QSqlDatabase &db, const QString &table, const QString &kindWord,
                              const QString &detailTable, const SqlCondition &condition)
{
    const QString where = condition.text.trimmed().isEmpty() ? QStringLiteral("1=1") : condition.text;
    QVariantList params;
    QString sql;
    if (kindWord.isEmpty()) {
        // The stock table has no id column; every table has its row order.
        sql = QStringLiteral("select * from %1 a where %2 order by a.rowid").arg(SqlName(table), where);
    } else if (!detailTable.isEmpty()) {
        sql = QStringLiteral("select a.*,%1 from %2 a join %3 c on a.refno=c.refno left join p_notelist b on a.notename=b.notename"
                             " where %4 and (%5) order by a.id desc")
                  .arg(detailColumns(db, detailTable), SqlName(table), SqlName(detailTable), kindCondition(), where);
        params << kindWord << kindWord;
    } else {
        sql = QStringLiteral("select a.* from %1 a left join p_notelist b on a.notename=b.notename where %2 and (%3)"
                             " order by a.id desc")
                  .arg(SqlName(table), kindCondition(), where);
        params << kindWord << kindWord;
    }
    params.append(condition.params);
    return {sql, params};
}

QString EmptyHistoryStatement(const QString &table)
{
    return QStringLiteral("select a.* from %1 a where 1=2  ").arg(SqlName(table));
}
