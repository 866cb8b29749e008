#include "backup/BackupSchemaCheck.h"

#include "core/db/ShippedSchema.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace {

QString key(const QString &name)
{
    return name.toLower();
}

const TableColumn *columnOf(const SchemaTable &table, const QString &name)
{
    for (const TableColumn &column : table.columns)
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

// A column every insert must fill although the program does not know it.
bool refusesInserts(const TableColumn &column)
{
    if (!column.notNull)
        return false;
    if (column.primaryKeyIndex > 0 && column.declaredType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
        return false; // the row id: SQLite fills it
    const QString defaultSql = column.defaultSql.trimmed();
    return defaultSql.isEmpty() || defaultSql.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0;
}

} // namespace

BackupSchemaFit CheckBackupSchema(const QSqlDatabase &backup)
{
    QHash<QString, SchemaTable> present;
    for (const SchemaTable &table : DatabaseSchema(backup))
        present.insert(key(table.name), table);
    QHash<QString, const SchemaTable *> shipped;
    for (const SchemaTable &table : ShippedTables())
        shipped.insert(key(table.name), &table);

    QStringList missingTables;
    QStringList differences;
    int programTables = 0;
    for (const NeededTable &need : NeededTables()) {
        programTables += need.programTable ? 1 : 0;
        const auto table = present.constFind(key(need.name));
        if (table == present.constEnd()) {
            if (need.programTable)
                missingTables.append(need.name);
            continue;
        }
        for (const QString &column : need.columns)
            if (!columnOf(*table, column))
                differences.append(QStringLiteral("数据表%1缺少字段%2").arg(need.name, column));
    }
    if (missingTables.size() * 2 > programTables)
        return {BackupSchemaFit::NotOurs, QStringLiteral("备份文件中不是本程序的数据库（缺少数据表%1）").arg(missingTables.join(QStringLiteral("、")))};
    for (const QString &table : std::as_const(missingTables))
        differences.prepend(QStringLiteral("缺少数据表%1").arg(table));

    // The tables the program writes: its own, and the bill tables the backup defines. Any other
    // table is never written, whatever its columns.
    QStringList written;
    QSqlQuery definitions(backup);
    if (definitions.exec(QStringLiteral("select TableName from p_tables")))
        while (definitions.next()) {
            const QString table = key(definitions.value(0).toString().trimmed());
            written << table << table + QStringLiteral("明细");
        }
    for (const SchemaTable &table : std::as_const(present)) {
        const SchemaTable *known = shipped.value(key(table.name));
        if (!known && !written.contains(key(table.name)))
            continue;
        for (const TableColumn &column : table.columns) {
            if (!refusesInserts(column))
                continue;
            const TableColumn *knownColumn = known ? columnOf(*known, column.name) : nullptr;
            if (!knownColumn || !knownColumn->notNull)
                differences.append(QStringLiteral("数据表%1的字段%2不能为空且没有默认值").arg(table.name, column.name));
        }
    }
    if (differences.isEmpty())
        return {};
    std::sort(differences.begin() + missingTables.size(), differences.end());
    constexpr int kShown = 8;
    QString reason = QStringLiteral("备份的数据库与本程序的数据结构不符：")
                     + QStringList(differences.mid(0, kShown)).join(QStringLiteral("；"));
    if (differences.size() > kShown)
        reason += QStringLiteral("等%1处").arg(differences.size());
    return {BackupSchemaFit::Differs, reason};
}
