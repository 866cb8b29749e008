#include "core/db/TableCatalog.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/errors/CorvaneError.h"

#include <QSqlQuery>

bool IsTableExists(const QSqlDatabase &db, const QString &table)
{
    try {
        return !SqlTableIsEmpty(db,
                                QStringLiteral("select 1 from sqlite_master where type in ('table', 'view') "
                                               "and name = ? collate nocase"),
                                {table});
    } catch (const DatabaseError &) {
        return false; // a look-up that fails finds no table
    }
}

QList<TableColumn> TableColumns(const QSqlDatabase &db, const QString &table)
{
    QList<TableColumn> columns;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("pragma table_info(%1)").arg(SqlName(table))))
        return columns;
    while (query.next()) {
        TableColumn column;
        column.name = query.value(1).toString();
        column.declaredType = query.value(2).toString();
        column.notNull = query.value(3).toInt() != 0;
        column.defaultSql = query.value(4).isNull() ? QString() : query.value(4).toString();
        column.primaryKeyIndex = query.value(5).toInt();
        columns.append(column);
    }
    return columns;
}

namespace {

const TableColumn *findColumn(const QList<TableColumn> &columns, const QString &name)
{
    for (const TableColumn &column : columns) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

} // namespace

bool IsTableFieldsExists(const QSqlDatabase &db, const QString &table, const QString &column)
{
    return findColumn(TableColumns(db, table), column) != nullptr;
}

ColumnKind GetTableFieldType(const QSqlDatabase &db, const QString &table, const QString &column)
{
    const QList<TableColumn> columns = TableColumns(db, table);
    const TableColumn *found = findColumn(columns, column);
    return found ? ColumnKindFromDeclaredType(found->declaredType) : ColumnKind::None;
}

void AddTableFieldsToList(const QSqlDatabase &db, const QString &table, QStringList &list, int mode)
{
    static const QStringList bookkeeping = {QStringLiteral("id"),     QStringLiteral("NoteTypeName"),
                                            QStringLiteral("NoteName"), QStringLiteral("Refno"),
                                            QStringLiteral("RefAutoid"), QStringLiteral("printcount")};
    list.clear();
    const QList<TableColumn> columns = TableColumns(db, table);
    for (qsizetype i = 1; i < columns.size(); ++i) {
        const TableColumn &column = columns.at(i);
        if (bookkeeping.contains(column.name, Qt::CaseSensitive))
            continue;
        if (mode == 0 || (mode == 1 && IsNumericColumnKind(ColumnKindFromDeclaredType(column.declaredType))))
            list.append(column.name);
    }
}
