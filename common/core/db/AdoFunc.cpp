#include "core/db/AdoFunc.h"

#include "core/db/DatabaseFailure.h"
#include "core/db/OpenReads.h"
#include "core/db/SqlName.h"
#include "core/db/StoredValue.h"
#include "core/errors/CorvaneError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QVariant firstValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery query = RunStatement(db, sql, params);
    if (!query.next())
        return {};
    return query.value(0);
}

// DROP and ALTER wait for no open read on the connection: SQLite would refuse them.
bool changesSchema(const QString &sql)
{
    const QString word = sql.trimmed().section(u' ', 0, 0);
    return word.compare(QLatin1String("drop"), Qt::CaseInsensitive) == 0 || word.compare(QLatin1String("alter"), Qt::CaseInsensitive) == 0;
}

bool returnsRow(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery query = RunStatement(db, sql, params);
    return query.next();
}

} // namespace

QSqlQuery RunStatement(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    if (!db.isValid() || !db.isOpen())
        throw DatabaseError(QStringLiteral("数据库连接未打开"));
    if (changesSchema(sql))
        OpenReads::releaseAll(db.connectionName());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    for (const QVariant &value : params)
        query.addBindValue(value);
    if (!query.exec())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    return query;
}

QString SelTableStringValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    const QVariant value = firstValue(db, sql, params);
    return value.isNull() ? QString() : value.toString();
}

qint64 SelTableIntValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return firstValue(db, sql, params).toLongLong();
}

qint64 SelTableIntegerValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return SelTableIntValue(db, sql, params);
}

double SelTableFloatValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return firstValue(db, sql, params).toDouble();
}

QDateTime SelTableDateValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return StoredDateTime(firstValue(db, sql, params));
}

bool SelTableBooleanValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    const QVariant value = firstValue(db, sql, params);
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    return text.toLongLong() != 0;
}

QVariant SelTableVariantValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return firstValue(db, sql, params);
}

bool SqlTableIsEmpty(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    return !returnsRow(db, sql, params);
}

void SqlAddPickList(const QSqlDatabase &db, const QString &sql, QStringList &list, const QVariantList &params)
{
    list.clear();
    QSqlQuery query = RunStatement(db, sql, params);
    while (query.next())
        list.append(query.value(0).toString());
}

void ExecTmpQuery(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    RunStatement(db, sql, params);
}

qint64 GetBillSysNo(const QSqlDatabase &db)
{
    return GetBillSysNoBlock(db, 1);
}

qint64 GetBillSysNoBlock(const QSqlDatabase &db, qint64 count)
{
    if (count < 1)
        throw DatabaseError(QStringLiteral("取得的编号个数必须大于0"));
    QSqlQuery query = RunStatement(db, QStringLiteral("update Bs_SysSet set SysNoteId = SysNoteId + ? returning SysNoteId"), {count});
    if (!query.next())
        throw DatabaseError(QStringLiteral("系统编号表 Bs_SysSet 没有记录，无法取得新编号"));
    const qint64 last = query.value(0).toLongLong();
    // The update is kept only when the statement runs to its end: a failure there (disk full,
    // I/O error) would hand the same numbers out again.
    while (query.next()) {
    }
    if (query.lastError().isValid())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    query.finish();
    if (query.lastError().isValid())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    return last - count + 1;
}

qint64 GetTableMaxInteger(const QSqlDatabase &db, const QString &table, const QString &column)
{
    return SelTableIntValue(db, QStringLiteral("select Max(%1) from %2").arg(SqlName(column), SqlName(table)));
}

bool TableExistIntValue(const QSqlDatabase &db, const QString &table, const QString &column, qint64 value)
{
    return returnsRow(db, QStringLiteral("select 1 from %1 where %2 = ?").arg(SqlName(table), SqlName(column)), {value});
}

bool TableExistStringValue(const QSqlDatabase &db, const QString &table, const QString &column, const QString &value)
{
    return returnsRow(db, QStringLiteral("select 1 from %1 where %2 = ?").arg(SqlName(table), SqlName(column)), {value});
}

bool TableExistValues(const QSqlDatabase &db, const QString &table, const QStringList &columns, const QVariantList &values)
{
    if (columns.size() != values.size())
        throw CorvaneError(QStringLiteral("字段数与值的个数不一致"));
    QStringList conditions;
    for (const QString &column : columns)
        conditions.append(SqlName(column.trimmed()) + QStringLiteral(" = ?"));
    return returnsRow(db, QStringLiteral("select 1 from %1 where %2").arg(SqlName(table), conditions.join(QStringLiteral(" and "))), values);
}

bool IsTableExistSameNote(const QSqlDatabase &db, const QString &table, const QString &column, const QString &value, qint64 refNo)
{
    return returnsRow(db,
                      QStringLiteral("select 1 from %1 where %2 = ? and flag <> '3' and Refno <> ?")
                          .arg(SqlName(table), SqlName(column)),
                      {value, QString::number(refNo)});
}

bool IsTableHasSameValue(const QSqlDatabase &db, const QString &table, qint64 refNo, const QString &column)
{
    return returnsRow(db,
                      QStringLiteral("select 1 from %1 where RefNo = ? group by %2 having count(*) > 1")
                          .arg(SqlName(table), SqlName(column)),
                      {QString::number(refNo)});
}
