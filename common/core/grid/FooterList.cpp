#include "core/grid/FooterList.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DisplayFormat.h"
#include "core/money/Currency.h"

#include <QStringList>

#include <cmath>

QList<FooterItem> ParseFooterList(const QString &sumList)
{
    QList<FooterItem> items;
    for (const QString &part : sumList.split(u';', Qt::SkipEmptyParts)) {
        FooterItem item;
        item.field = part.section(u':', 0, 0).trimmed();
        const QString kind = part.section(u':', 1, 1);
        if (item.field.isEmpty())
            continue;
        if (kind.compare(QLatin1String("SUM"), Qt::CaseInsensitive) == 0)
            item.kind = FooterItem::Sum;
        else if (kind.compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0)
            item.kind = FooterItem::Count;
        else if (kind.compare(QLatin1String("AVG"), Qt::CaseInsensitive) == 0)
            item.kind = FooterItem::Average;
        else
            item.text = kind;
        items.append(item);
    }
    return items;
}

namespace {
QString withoutTrailingZeros(QString text)
{
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text;
}

// Units divided by a count, the nearest whole unit, halves to the even neighbour.
qint64 dividedToEven(qint64 units, qint64 count)
{
    qint64 quotient = units / count;
    const qint64 remainder = units % count;
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const qint64 step = units < 0 ? -1 : 1;
    if (twice > count || (twice == count && quotient % 2 != 0))
        quotient += step;
    return quotient;
}
}

namespace {
QString footerText(const DataField &field, const FooterItem &item, int rows, const DataSet::ColumnTotal &sums)
{
    switch (item.kind) {
    case FooterItem::Text:
        return item.text;
    case FooterItem::Count:
        return QString::number(rows);
    case FooterItem::Sum:
    case FooterItem::Average:
        break;
    }
    const bool average = item.kind == FooterItem::Average;
    const qint64 values = sums.values;
    if (field.kind() == FieldKind::Currency) {
        qint64 units = sums.units;
        if (average && values > 0)
            units = dividedToEven(units, values);
        return formatDisplay(FieldKind::Currency, QVariant::fromValue(Currency::fromUnits(units)), field.displayFormat());
    }
    if (field.kind() == FieldKind::Integer && !average)
        return formatDisplay(FieldKind::Integer, sums.integer, field.displayFormat());
    double total = sums.real;
    if (average && values > 0)
        total /= values;
    if (!field.displayFormat().isEmpty())
        return formatDisplay(FieldKind::Float, total, field.displayFormat());
    // Without a format: sums without the noise of binary fractions, averages to two decimals.
    return average ? withoutTrailingZeros(QString::number(total, 'f', 2)) : QString::number(total, 'g', 15);
}

bool isTotal(const FooterItem &item)
{
    return item.kind == FooterItem::Sum || item.kind == FooterItem::Average;
}
} // namespace

QString FooterText(const DataSet &dataSet, const DataField &field, const FooterItem &item)
{
    const int rows = dataSet.isActive() ? dataSet.recordCount() : 0;
    // Over every row, the ones not fetched yet summed by the database.
    const DataSet::ColumnTotal sums = rows > 0 && isTotal(item) ? dataSet.columnTotal(&field) : DataSet::ColumnTotal();
    return footerText(field, item, rows, sums);
}

std::optional<QString> KnownFooterText(const DataSet &dataSet, const DataField &field, const FooterItem &item)
{
    if (item.kind == FooterItem::Text)
        return item.text;
    const std::optional<int> rows = dataSet.isActive() ? dataSet.knownRecordCount() : 0;
    std::optional<DataSet::ColumnTotal> sums = DataSet::ColumnTotal();
    if (isTotal(item) && dataSet.isActive())
        sums = dataSet.knownColumnTotal(&field);
    if (!rows || !sums)
        return std::nullopt;
    return footerText(field, item, *rows, *sums);
}
