#include "core/dbfun/BillTableDdl.h"

#include "core/db/AdoFunc.h"
#include "core/db/ColumnTypeChange.h"
#include "core/db/ShippedSchema.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillBookkeeping.h"
#include "core/dbfun/BillColumns.h"
#include "core/dbfun/BillNumberIndex.h"
#include "core/errors/CorvaneError.h"

#include <QHash>

namespace {

const QString kText = QStringLiteral("字符型");
const QString kMoney = QStringLiteral("金额");
const QString kDate = QStringLiteral("日期");
const QString kCheck = QStringLiteral("复选框");
const QString kSplit = QStringLiteral("拆分字符串");
const QString kSmallSplit = QStringLiteral("小写拆分");
const QString kCapitalWhole = QStringLiteral("大写合并");
const QString kCapitalBoth = QStringLiteral("合并+拆分");
const QString kCapitalSplit = QStringLiteral("大写拆分");
const QString kCapitalSplitShort = QStringLiteral("大写拆分2");

DdlColumn textColumn(const QString &name, int len)
{
    return {name, *GetFieldSqlType(kText, len)};
}

void addMoneyPlaces(QList<DdlColumn> &columns, const QString &field, int count, QString (*nameOf)(const QString &, const QString &))
{
    for (int i = 0; i < count; ++i)
        columns.append(textColumn(nameOf(field, MONEY_FIELDNAME_CH.at(i)), 1));
}

void addDateParts(QList<DdlColumn> &columns, const QString &field, QString (*nameOf)(const QString &, const QString &))
{
    for (const QString &part : DATE_FIELDNAME_CH)
        columns.append(textColumn(nameOf(field, part), 4));
}

// The leading columns every bill table starts with.
QString createStatement(const QString &table)
{
    return QStringLiteral("create table %1 (id INTEGER PRIMARY KEY AUTOINCREMENT, NoteTypeName varchar(30), "
                          "NoteName varchar(30), Refno varchar(10), RefAutoid int, printcount int, Flag int, "
                          "dis int, sel bit)")
        .arg(SqlName(table));
}

} // namespace

std::optional<QString> GetFieldSqlType(const QString &fieldType, int len)
{
    const QString type = fieldType.trimmed();
    if (type.isEmpty() || type == kText)
        return QStringLiteral("varchar(%1)").arg(len);
    if (type == QStringLiteral("整数"))
        return QStringLiteral("int");
    if (type == kDate)
        return QStringLiteral("datetime");
    if (type == kMoney)
        return QStringLiteral("money");
    if (type == QStringLiteral("是否"))
        return QStringLiteral("bit");
    if (type == QStringLiteral("备注"))
        return QStringLiteral("text");
    if (type == QStringLiteral("小数"))
        return QStringLiteral("float");
    if (type == kCheck || type == kSplit)
        return QStringLiteral("char(%1)").arg(len);
    return std::nullopt;
}

QString GetFieldSqlDef(const QString &column, const QString &fieldType, int len)
{
    const std::optional<QString> type = GetFieldSqlType(fieldType, len);
    return type ? SqlName(column) + ' ' + *type : QString();
}

QList<DdlColumn> ColumnsOfField(const TableFieldDef &def)
{
    const QString field = def.fieldName.trimmed();
    const QString type = def.fieldType.trimmed();
    const QString small = def.smallType.trimmed();
    const QString big = def.bigType.trimmed();
    const std::optional<QString> sqlType = GetFieldSqlType(type, def.len);
    if (!sqlType)
        return {};

    QList<DdlColumn> columns{{field, *sqlType}};
    const bool money = type == kMoney;
    const bool date = type == kDate;
    if (money && small == kSmallSplit)
        addMoneyPlaces(columns, field, int(MONEY_FIELDNAME_CH.size()), SmallPlaceColumn);
    if (type == kSplit) {
        for (int i = 1; i <= def.len; ++i)
            columns.append({SplitCharColumn(field, i), *GetFieldSqlType(kSplit, 1)});
    }
    if (money && (big == kCapitalWhole || big == kCapitalBoth))
        columns.append(textColumn(CapitalAmountColumn(field), 50));
    if (money && (big == kCapitalSplit || big == kCapitalBoth))
        addMoneyPlaces(columns, field, int(MONEY_FIELDNAME_CH.size()), CapitalPlaceColumn);
    if (money && big == kCapitalSplitShort)
        addMoneyPlaces(columns, field, ShortCapitalPlaceCount, CapitalPlaceColumn);
    if (date && small == kSmallSplit)
        addDateParts(columns, field, SmallPlaceColumn);
    if (date && big == kCapitalWhole)
        columns.append(textColumn(CapitalDateColumn(field), 50));
    if (date && big == kCapitalSplit)
        addDateParts(columns, field, CapitalPlaceColumn);
    if (type == kCheck) {
        for (const QString &item : CheckItemsOf(def.checkItems))
            columns.append(textColumn(CheckItemColumn(field, item), 1));
    }
    return columns;
}

std::optional<QString> DefinitionFault(const QString &table, const QList<TableFieldDef> &defs)
{
    const auto badName = [](const QString &name) { return QStringLiteral("名称或字段类型\"%1\"不能用于数据表").arg(name); };
    if (!IsValidSqlName(table))
        return badName(table);
    if (IsProgramTable(table))
        return QStringLiteral("\"%1\"是本程序自己使用的数据表，不能作为单据的数据表").arg(table);
    // Column names compare as SQLite compares them: without regard to letter case.
    struct Maker
    {
        QString field;
        bool own; // the field's own column, not one it makes
    };
    QHash<QString, Maker> makers;
    for (const TableFieldDef &def : defs) {
        const QString field = def.fieldName.trimmed();
        if (!IsValidSqlName(field))
            return badName(field);
        if (!GetFieldSqlType(def.fieldType, def.len))
            return badName(def.fieldType.trimmed());
        if (const int most = def.fieldType.trimmed() == kSplit ? kMaxSplitLength : kMaxFieldLength; def.len < 0 || def.len > most)
            return QStringLiteral("字段\"%1\"的长度%2超出0至%3").arg(field).arg(def.len).arg(most);
        if (def.fieldType.trimmed() == kCheck) {
            for (const QString &item : CheckItemsOf(def.checkItems)) {
                if (!IsValidSqlName(item))
                    return badName(item);
            }
        }
        if (IsBillBookkeepingColumn(field))
            return QStringLiteral("字段名称\"%1\"与数据表自带的字段重名（id、NoteTypeName、NoteName、Refno、RefAutoid、"
                                  "printcount、Flag、dis、sel不能用作字段名称）")
                .arg(field);
        bool own = true;
        for (const DdlColumn &column : ColumnsOfField(def)) {
            if (!own && IsBillBookkeepingColumn(column.name))
                return QStringLiteral("字段\"%1\"生成的字段\"%2\"与数据表自带的字段重名").arg(field, column.name);
            const QString key = column.name.toLower();
            const auto earlier = makers.constFind(key);
            if (earlier != makers.constEnd()) {
                if (own && earlier->own)
                    return QStringLiteral("字段名称\"%1\"重复").arg(field);
                if (own)
                    return QStringLiteral("字段名称\"%1\"与字段\"%2\"生成的字段重名").arg(field, earlier->field);
                return QStringLiteral("字段\"%1\"生成的字段\"%2\"与字段\"%3\"%4重名")
                    .arg(field, column.name, earlier->field, earlier->own ? QString() : QStringLiteral("生成的字段"));
            }
            makers.insert(key, {field, own});
            own = false;
        }
    }
    return std::nullopt;
}

void AddOrAlterColumn(const QSqlDatabase &db, const QString &table, const QString &column, const QString &sqlType, bool update)
{
    if (update) {
        for (const TableColumn &existing : TableColumns(db, table)) {
            if (existing.name.compare(column, Qt::CaseInsensitive) != 0)
                continue;
            if (!IsSameDeclaredType(existing.declaredType, sqlType))
                ChangeColumnType(db, table, column, sqlType);
            return;
        }
    }
    ExecTmpQuery(db, QStringLiteral("alter table %1 add column %2 %3").arg(SqlName(table), SqlName(column), sqlType));
}

BillTableResult BuildBillTable(const QSqlDatabase &db, const QString &table, bool update,
                               const std::optional<QList<TableFieldDef>> &defs)
{
    const QString name = table.trimmed();
    try {
        // Said before anything else: the program's own tables are never built or altered here.
        if (IsProgramTable(name))
            return {BillTableOutcome::Failed, *DefinitionFault(name, {})};
        const bool exists = IsTableExists(db, name);
        if (!update && exists)
            return {BillTableOutcome::AlreadyExists, {}};
        if (update && !exists)
            return {BillTableOutcome::Missing, {}};

        const QList<TableFieldDef> fields = defs ? *defs : ReadTableFieldDefs(db, name);
        if (const std::optional<QString> fault = DefinitionFault(name, fields))
            return {BillTableOutcome::Failed, *fault};

        Transaction transaction(db);
        if (!update)
            ExecTmpQuery(db, createStatement(name));
        for (const TableFieldDef &def : fields) {
            for (const DdlColumn &column : ColumnsOfField(def))
                AddOrAlterColumn(db, name, column.name, column.sqlType, update);
        }
        EnsureUniqueBillNumbers(db);
        transaction.commit();
        return {BillTableOutcome::Done, {}};
    } catch (const CorvaneError &e) {
        return {BillTableOutcome::Failed, e.message()};
    }
}
