#include "bills/history/HistoryColumns.h"

#include "core/dbfun/BillTableDdl.h"
#include "core/dbfun/TableFieldDef.h"

#include <QHash>

QString HistoryColumnTitle(const QString &column)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("id"), QStringLiteral("编号")},           {QStringLiteral("notetypename"), QStringLiteral("单据类型")},
        {QStringLiteral("notename"), QStringLiteral("单据名称")}, {QStringLiteral("refno"), QStringLiteral("单据号")},
        {QStringLiteral("refautoid"), QStringLiteral("关联单据")}, {QStringLiteral("printcount"), QStringLiteral("打印次数")},
        {QStringLiteral("flag"), QStringLiteral("审核标志")},     {QStringLiteral("dis"), QStringLiteral("作废标志")},
        {QStringLiteral("sel"), QStringLiteral("选中")}};
    QString name = column.toLower();
    if (name.startsWith(QLatin1String("c.")))
        name = name.mid(2);
    return titles.value(name);
}

QSet<QString> DerivedColumnsOf(const QSqlDatabase &db, const QString &table)
{
    QSet<QString> derived;
    for (const TableFieldDef &def : ReadTableFieldDefs(db, table)) {
        const QList<DdlColumn> columns = ColumnsOfField(def);
        for (qsizetype i = 1; i < columns.size(); ++i)  // the first is the field's own column
            derived.insert(columns.at(i).name.toLower());
    }
    return derived;
}
