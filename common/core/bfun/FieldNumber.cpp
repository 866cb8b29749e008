#include "core/bfun/FieldNumber.h"

#include "core/dataset/DataField.h"
#include "core/errors/CorvaneError.h"
#include "core/money/Currency.h"

namespace {

CorvaneError notANumber(const DataField &field, const QVariant &value)
{
    return CorvaneError(QStringLiteral("字段%1的值“%2”不是数字").arg(field.name(), value.toString()));
}

CorvaneError outOfRange(const DataField &field)
{
    return CorvaneError(QStringLiteral("计算结果超出字段%1的范围").arg(field.name()));
}

} // namespace

FormulaValue FieldNumber(const DataField &field)
{
    return FieldNumber(field, field.value());
}

FormulaValue FieldNumber(const DataField &field, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (field.kind()) {
    case FieldKind::Currency:
        return FormulaValue::exact(value.value<Currency>().units());
    case FieldKind::Integer:
        return FormulaValue::integer(value.toLongLong());
    case FieldKind::Float:
        return FormulaValue::real(value.toDouble());
    case FieldKind::Boolean:
        return FormulaValue::integer(value.toBool() ? 1 : 0);
    case FieldKind::Text: {
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return {};
        if (const auto amount = Currency::parse(text))
            return FormulaValue::exact(amount->units());
        throw notANumber(field, value);
    }
    case FieldKind::Date:
    case FieldKind::DateTime:
    case FieldKind::Blob:
        break;
    }
    throw notANumber(field, value);
}

void SetFieldNumber(DataField &field, const FormulaValue &value)
{
    if (value.isNull()) {
        field.clear();
        return;
    }
    switch (field.kind()) {
    case FieldKind::Currency:
    case FieldKind::Text: {
        const auto units = value.toTenThousandths();
        const std::optional<Currency> amount = units ? Currency::fromUnitsInRange(*units) : std::nullopt;
        if (!amount)
            throw outOfRange(field);
        field.setValue(field.kind() == FieldKind::Text ? QVariant(amount->toString()) : QVariant::fromValue(*amount));
        return;
    }
    case FieldKind::Integer: {
        const auto whole = value.toInteger();
        if (!whole)
            throw outOfRange(field);
        field.setValue(*whole);
        return;
    }
    case FieldKind::Float:
        field.setValue(value.toDouble());
        return;
    case FieldKind::Boolean:
        field.setValue(value.toDouble() != 0);
        return;
    case FieldKind::Date:
    case FieldKind::DateTime:
    case FieldKind::Blob:
        break;
    }
    throw CorvaneError(QStringLiteral("字段%1不能保存数字").arg(field.name()));
}
