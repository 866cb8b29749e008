#include "core/dataset/ColumnOrigin.h"

#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace {

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

sqlite3_stmt *statementOf(const QSqlQuery &query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt *const *>(handle.data());
}

} // namespace

QList<ColumnOrigin> readColumnOrigins(const QSqlQuery &query)
{
    QList<ColumnOrigin> columns;
    const QSqlRecord record = query.record();
    sqlite3_stmt *statement = statementOf(query);
    for (int i = 0; i < record.count(); ++i) {
        ColumnOrigin column;
        column.name = record.fieldName(i);
        if (statement && i < sqlite3_column_count(statement)) {
            column.declaredType = text(sqlite3_column_decltype(statement, i));
            column.table = text(sqlite3_column_table_name(statement, i));
            column.column = text(sqlite3_column_origin_name(statement, i));
        }
        columns.append(column);
    }
    return columns;
}
