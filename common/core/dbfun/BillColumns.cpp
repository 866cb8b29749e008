#include "core/dbfun/BillColumns.h"

const std::array<QString, 12> MONEY_FIELDNAME_CH = {
    QStringLiteral("分"),   QStringLiteral("角"),     QStringLiteral("元"),     QStringLiteral("十位"),
    QStringLiteral("百位"), QStringLiteral("千位"),   QStringLiteral("万位"),   QStringLiteral("十万位"),
    QStringLiteral("百万位"), QStringLiteral("千万位"), QStringLiteral("亿位"), QStringLiteral("十亿位")};

const std::array<QString, 3> DATE_FIELDNAME_CH = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};

bool FieldChange = true;

const std::array<QString, 15> CashCountFieldNames = {
    QStringLiteral("数量1000"), QStringLiteral("数量500"), QStringLiteral("数量100"), QStringLiteral("数量50"),
    QStringLiteral("数量20"),   QStringLiteral("数量10"),  QStringLiteral("数量5"),   QStringLiteral("数量2"),
    QStringLiteral("数量1"),    QStringLiteral("数量5角"), QStringLiteral("数量2角"), QStringLiteral("数量1角"),
    QStringLiteral("数量5分"),  QStringLiteral("数量2分"), QStringLiteral("数量1分")};

const std::array<QString, 20> CashAmountFieldNames = {
    QStringLiteral("金额1000"), QStringLiteral("金额500"), QStringLiteral("金额100"), QStringLiteral("金额50"),
    QStringLiteral("金额20"),   QStringLiteral("金额10"),  QStringLiteral("金额5"),   QStringLiteral("金额2"),
    QStringLiteral("金额1"),    QStringLiteral("金额5角"), QStringLiteral("金额2角"), QStringLiteral("金额1角"),
    QStringLiteral("金额5分"),  QStringLiteral("金额2分"), QStringLiteral("金额1分"), QStringLiteral("辅币"),
    QStringLiteral("封包"),     QStringLiteral("角票"),    QStringLiteral("分币"),    QStringLiteral("其他")};

QString SmallPlaceColumn(const QString &field, const QString &placeOrPart)
{
    return field + QStringLiteral("_小写") + placeOrPart;
}

QString CapitalPlaceColumn(const QString &field, const QString &placeOrPart)
{
    return field + QStringLiteral("_大写") + placeOrPart;
}

QString CapitalAmountColumn(const QString &field)
{
    return field + QStringLiteral("_金额大写");
}

QString AmountOfCapitalColumn(const QString &column)
{
    const QString suffix = CapitalAmountColumn(QString());
    return column.endsWith(suffix) ? column.chopped(suffix.size()) : QString();
}

QString CapitalDateColumn(const QString &field)
{
    return field + QStringLiteral("_大写日期");
}

QString SplitCharColumn(const QString &field, int position)
{
    return field + '_' + QString::number(position);
}

QString CheckItemColumn(const QString &field, const QString &item)
{
    return field + '_' + item;
}

QStringList CheckItemsOf(const QString &checkItems)
{
    if (checkItems.trimmed().isEmpty())
        return {};
    QStringList items = checkItems.split(';');
    for (QString &item : items)
        item = item.trimmed();
    return items;
}
