#include "core/export/DataSetSheet.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/money/Currency.h"

namespace {
// Integers above this lose digits as a double.
constexpr qint64 kExactDoubleLimit = qint64(1) << 53;

SheetCell cellOf(FieldKind kind, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case FieldKind::Text:
        return SheetCell::text(value.toString());
    case FieldKind::Integer: {
        const qint64 number = value.toLongLong();
        if (number > kExactDoubleLimit || number < -kExactDoubleLimit)
            return SheetCell::text(QString::number(number));
        return SheetCell::number(double(number));
    }
    case FieldKind::Float:
        return SheetCell::number(value.toDouble());
    case FieldKind::Currency:
        return SheetCell::amount(value.value<Currency>().units());
    case FieldKind::Date:
        return SheetCell::date(value.toDate());
    case FieldKind::DateTime:
        return SheetCell::dateTime(value.toDateTime());
    case FieldKind::Boolean:
        return SheetCell::boolean(value.toBool());
    case FieldKind::Blob:
        return {};
    }
    return {};
}
}

QStringList SheetHeaderOfDataSet(const DataSet &dataSet)
{
    QStringList header;
    for (const DataField *field : dataSet.fields())
        header.append(field->displayLabel());
    return header;
}

QList<QList<SheetCell>> SheetRowsOfDataSet(const DataSet &dataSet)
{
    QList<QList<SheetCell>> rows;
    const SheetRowSource next = SheetRowSourceOfDataSet(dataSet);
    QList<SheetCell> row;
    while (next(row))
        rows.append(row);
    return rows;
}

SheetRowSource SheetRowSourceOfDataSet(const DataSet &dataSet)
{
    if (!dataSet.isActive())
        return [](QList<SheetCell> &) { return false; };
    auto reader = std::make_shared<DataSet::RowReader>(dataSet);
    return [reader, &dataSet](QList<SheetCell> &cells) {
        const QVector<QVariant> *values = reader->next();
        if (!values)
            return false;
        cells.clear();
        for (const DataField *field : dataSet.fields())
            cells.append(cellOf(field->kind(), values->value(field->index())));
        return true;
    };
}
