#include "core/db/ColumnTypeChange.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/db/TableCatalog.h"
#include "core/errors/CorvaneError.h"

#include <QStringList>

#include <algorithm>

namespace {

QString createStatement(const QString &table, const QList<TableColumn> &columns, bool autoIncrement)
{
    QList<TableColumn> keyColumns;
    for (const TableColumn &column : columns) {
        if (column.primaryKeyIndex > 0)
            keyColumns.append(column);
    }
    std::sort(keyColumns.begin(), keyColumns.end(),
              [](const TableColumn &a, const TableColumn &b) { return a.primaryKeyIndex < b.primaryKeyIndex; });
    // A lone INTEGER key is the row id; it must stay an inline key to keep its meaning.
    const bool rowIdKey = keyColumns.size() == 1 && keyColumns.first().declaredType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;

    QStringList parts;
    for (const TableColumn &column : columns) {
        QString part = SqlName(column.name);
        if (!column.declaredType.isEmpty())
            part += ' ' + column.declaredType;
        if (rowIdKey && column.primaryKeyIndex > 0)
            part += autoIncrement ? QStringLiteral(" PRIMARY KEY AUTOINCREMENT") : QStringLiteral(" PRIMARY KEY");
        if (column.notNull)
            part += QStringLiteral(" NOT NULL");
        if (!column.defaultSql.isEmpty())
            part += QStringLiteral(" DEFAULT ") + column.defaultSql;
        parts.append(part);
    }
    if (!keyColumns.isEmpty() && !rowIdKey) {
        QStringList names;
        for (const TableColumn &column : keyColumns)
            names.append(SqlName(column.name));
        parts.append(QStringLiteral("PRIMARY KEY (%1)").arg(names.join(QStringLiteral(", "))));
    }
    return QStringLiteral("create table %1 (%2)").arg(SqlName(table), parts.join(QStringLiteral(", ")));
}

} // namespace

bool IsSameDeclaredType(const QString &a, const QString &b)
{
    QString left = a.simplified();
    QString right = b.simplified();
    left.remove(' ');
    right.remove(' ');
    return left.compare(right, Qt::CaseInsensitive) == 0;
}

void ChangeColumnType(const QSqlDatabase &db, const QString &table, const QString &column, const QString &newType)
{
    const QString name = SelTableStringValue(
        db, QStringLiteral("select name from sqlite_master where type = 'table' and name = ? collate nocase"), {table});
    QList<TableColumn> columns = TableColumns(db, name);
    auto changed = std::find_if(columns.begin(), columns.end(), [&](const TableColumn &c) {
        return c.name.compare(column, Qt::CaseInsensitive) == 0;
    });
    if (name.isEmpty() || changed == columns.end())
        throw DatabaseError(QStringLiteral("no such column: %1.%2").arg(table, column));
    changed->declaredType = newType;

    const QString tableSql = SelTableStringValue(db, QStringLiteral("select sql from sqlite_master where type = 'table' and name = ?"), {name});
    const bool autoIncrement = tableSql.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
    QStringList dependents;
    SqlAddPickList(db,
                   QStringLiteral("select sql from sqlite_master where type in ('index', 'trigger') and tbl_name = ? "
                                  "and sql is not null order by type, name"),
                   dependents, {name});
    const QVariant counter = autoIncrement
        ? SelTableVariantValue(db, QStringLiteral("select seq from sqlite_sequence where name = ?"), {name})
        : QVariant();

    QStringList names;
    for (const TableColumn &c : std::as_const(columns))
        names.append(SqlName(c.name));
    const QString list = names.join(QStringLiteral(", "));
    const QString copy = name + QStringLiteral("__rebuild");

    Transaction transaction(db);
    ExecTmpQuery(db, createStatement(copy, columns, autoIncrement));
    ExecTmpQuery(db, QStringLiteral("insert into %1 (%2) select %2 from %3").arg(SqlName(copy), list, SqlName(name)));
    ExecTmpQuery(db, QStringLiteral("drop table %1").arg(SqlName(name)));
    ExecTmpQuery(db, QStringLiteral("alter table %1 rename to %2").arg(SqlName(copy), SqlName(name)));
    for (const QString &sql : std::as_const(dependents))
        ExecTmpQuery(db, sql);
    if (!counter.isNull()) {
        // The copy's counter only reached its highest row; ids above it may have been used.
        const qint64 copied = SelTableIntValue(db, QStringLiteral("select seq from sqlite_sequence where name = ?"), {name});
        ExecTmpQuery(db, QStringLiteral("delete from sqlite_sequence where name = ?"), {name});
        ExecTmpQuery(db, QStringLiteral("insert into sqlite_sequence (name, seq) values (?, ?)"),
                     {name, std::max(copied, counter.toLongLong())});
    }
    transaction.commit();
}
