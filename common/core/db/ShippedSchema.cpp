#include "core/db/ShippedSchema.h"

#include "core/dbfun/BillBookkeeping.h"
#include "core/errors/CorvaneError.h"

#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>

// The schema files, joined in name order at build time.
extern const char kShippedSchemaSql[];

namespace {

QString lowered(const QString &name)
{
    return name.trimmed().toLower();
}

struct Shipped
{
    QList<SchemaTable> tables;
    QStringList billTables;
    QStringList programTables;
    QStringList programLowered;
    QList<NeededTable> needed;
};

Shipped readShipped()
{
    Shipped shipped;
    QHash<QString, QStringList> reliedOn; // bill table -> the fields the program relies on
    const QString connection = QStringLiteral("shipped-schema-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        QString problem;
        if (!db.open()) {
            problem = db.lastError().text();
        } else {
            const QVariant handle = db.driver()->handle();
            sqlite3 *raw = qstrcmp(handle.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3 *const *>(handle.data()) : nullptr;
            char *error = nullptr;
            if (!raw) {
                problem = QStringLiteral("no sqlite3 handle");
            } else if (sqlite3_exec(raw, kShippedSchemaSql, nullptr, nullptr, &error) != SQLITE_OK) {
                problem = QString::fromUtf8(error ? error : "");
                sqlite3_free(error);
            }
        }
        if (problem.isEmpty()) {
            shipped.tables = DatabaseSchema(db);
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("select TableName from p_tables")))
                while (query.next())
                    shipped.billTables.append(query.value(0).toString().trimmed());
            if (query.exec(QStringLiteral("select t.TableName, f.FieldName from p_tables t join p_TableFields f on f.RefNo = t.RefNo "
                                          "where f.readonly = 1 order by t.autoid, f.seqno")))
                while (query.next())
                    reliedOn[lowered(query.value(0).toString())].append(query.value(1).toString().trimmed());
        }
        db.close();
        if (!problem.isEmpty()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            throw CorvaneError(QStringLiteral("程序内置的数据库结构无法读取：%1").arg(problem));
        }
    }
    QSqlDatabase::removeDatabase(connection);

    QStringList bills;
    for (const QString &table : std::as_const(shipped.billTables)) {
        bills.append(lowered(table));
        bills.append(lowered(table + QStringLiteral("明细")));
    }
    for (const SchemaTable &table : std::as_const(shipped.tables)) {
        NeededTable need{table.name, !bills.contains(lowered(table.name)), {}};
        if (need.programTable) {
            shipped.programTables.append(table.name);
            shipped.programLowered.append(lowered(table.name));
        }
        for (const TableColumn &column : table.columns) {
            if (need.programTable || IsBillBookkeepingColumn(column.name)
                || reliedOn.value(lowered(table.name)).contains(column.name, Qt::CaseInsensitive))
                need.columns.append(column.name);
        }
        shipped.needed.append(need);
    }
    return shipped;
}

const Shipped &shipped()
{
    static const Shipped schema = readShipped();
    return schema;
}

} // namespace

QList<SchemaTable> DatabaseSchema(const QSqlDatabase &db)
{
    QList<SchemaTable> tables;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select name from sqlite_master where type = 'table' and name not like 'sqlite\\_%' escape '\\' "
                                   "order by name")))
        return tables;
    while (query.next())
        tables.append({query.value(0).toString(), {}});
    for (SchemaTable &table : tables)
        table.columns = TableColumns(db, table.name);
    return tables;
}

const QList<SchemaTable> &ShippedTables()
{
    return shipped().tables;
}

const QStringList &ShippedBillTables()
{
    return shipped().billTables;
}

const QList<NeededTable> &NeededTables()
{
    return shipped().needed;
}

const QStringList &ProgramTableNames()
{
    return shipped().programTables;
}

bool IsProgramTable(const QString &name)
{
    const QString key = lowered(name);
    return key.startsWith(QLatin1String("sqlite_")) || shipped().programLowered.contains(key);
}
