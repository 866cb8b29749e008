#include "core/dataset/FieldValue.h"

#include "core/db/StoredValue.h"
#include "core/money/Currency.h"

#include <QDateTime>

#include <cmath>

namespace {

bool isTextType(const QVariant &value)
{
    return value.metaType().id() == QMetaType::QString;
}

std::optional<bool> booleanFromText(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1") || word == QStringLiteral("是"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0") || word == QStringLiteral("否"))
        return false;
    bool ok = false;
    const qint64 number = word.toLongLong(&ok);
    if (ok)
        return number != 0;
    return std::nullopt;
}

std::optional<QDateTime> dateTimeFromInput(const QVariant &input)
{
    if (input.metaType().id() == QMetaType::QDate)
        return input.toDate().startOfDay();
    if (input.metaType().id() == QMetaType::QDateTime)
        return input.toDateTime();
    const QDateTime parsed = StoredDateTime(input);
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

template <typename T>
int threeWay(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

QVariant fieldValueFromStored(FieldKind kind, const QVariant &stored)
{
    if (stored.isNull())
        return {};
    if (kind == FieldKind::Currency && isTextType(stored)) {
        const auto parsed = Currency::parse(stored.toString());
        return parsed ? QVariant::fromValue(*parsed) : QVariant();
    }
    return fieldValueFromInput(kind, stored).value_or(QVariant());
}

QVariant fieldValueToStored(FieldKind kind, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case FieldKind::Currency:
        return value.value<Currency>().toDouble();
    case FieldKind::Date:
        return DateToStored(value.toDate());
    case FieldKind::DateTime: {
        // A date without a time of day is stored as a plain date, so that date ranges compare.
        const QDateTime moment = value.toDateTime();
        return moment.time() == QTime(0, 0) ? DateToStored(moment.date()) : DateTimeToStored(moment);
    }
    case FieldKind::Boolean:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

std::optional<QVariant> fieldValueFromInput(FieldKind kind, const QVariant &input)
{
    if (input.isNull())
        return QVariant();
    const bool text = isTextType(input);
    if (kind != FieldKind::Text && text && input.toString().trimmed().isEmpty())
        return QVariant();
    switch (kind) {
    case FieldKind::Text:
        if (input.metaType() == QMetaType::fromType<Currency>())
            return QVariant(input.value<Currency>().toString());
        return QVariant(input.toString());
    case FieldKind::Integer: {
        if (input.metaType() == QMetaType::fromType<Currency>())
            return QVariant(qint64(input.value<Currency>().rounded(0).units() / Currency::kScale));
        if (input.metaType().id() == QMetaType::Double)
            return QVariant(qint64(std::nearbyint(input.toDouble())));
        if (input.metaType().id() == QMetaType::Bool)
            return QVariant(qint64(input.toBool() ? 1 : 0));
        bool ok = false;
        const qint64 number = text ? input.toString().trimmed().toLongLong(&ok) : input.toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(number)) : std::nullopt;
    }
    case FieldKind::Float: {
        if (input.metaType() == QMetaType::fromType<Currency>())
            return QVariant(input.value<Currency>().toDouble());
        bool ok = false;
        const double number = text ? input.toString().trimmed().toDouble(&ok) : input.toDouble(&ok);
        return ok ? std::optional<QVariant>(QVariant(number)) : std::nullopt;
    }
    case FieldKind::Currency: {
        if (input.metaType() == QMetaType::fromType<Currency>())
            return input.value<Currency>().isInRange() ? std::optional<QVariant>(input) : std::nullopt;
        if (text) {
            const auto parsed = Currency::parse(input.toString());
            return parsed ? std::optional<QVariant>(QVariant::fromValue(*parsed)) : std::nullopt;
        }
        std::optional<Currency> amount;
        if (input.metaType().id() == QMetaType::Double || input.metaType().id() == QMetaType::Float) {
            amount = Currency::fromDoubleInRange(input.toDouble());
        } else {
            bool ok = false;
            const qint64 whole = input.toLongLong(&ok);
            if (ok)
                amount = Currency::fromIntegerInRange(whole);
        }
        return amount ? std::optional<QVariant>(QVariant::fromValue(*amount)) : std::nullopt;
    }
    case FieldKind::Date: {
        const auto moment = dateTimeFromInput(input);
        return moment ? std::optional<QVariant>(QVariant(moment->date())) : std::nullopt;
    }
    case FieldKind::DateTime: {
        const auto moment = dateTimeFromInput(input);
        return moment ? std::optional<QVariant>(QVariant(*moment)) : std::nullopt;
    }
    case FieldKind::Boolean: {
        if (input.metaType().id() == QMetaType::Bool)
            return input;
        const auto flag = booleanFromText(input.toString());
        return flag ? std::optional<QVariant>(QVariant(*flag)) : std::nullopt;
    }
    case FieldKind::Blob:
        return QVariant(input.toByteArray());
    }
    return std::nullopt;
}

QString fieldValueText(FieldKind kind, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case FieldKind::Currency:
        return value.value<Currency>().toString();
    case FieldKind::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case FieldKind::Date:
        return DateToStored(value.toDate());
    case FieldKind::DateTime:
        return fieldValueToStored(kind, value).toString();
    case FieldKind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

int compareFieldValues(FieldKind kind, const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return threeWay(!a.isNull(), !b.isNull());
    switch (kind) {
    case FieldKind::Text:
        return a.toString().compare(b.toString(), Qt::CaseInsensitive);
    case FieldKind::Integer:
        return threeWay(a.toLongLong(), b.toLongLong());
    case FieldKind::Float:
        return threeWay(a.toDouble(), b.toDouble());
    case FieldKind::Currency:
        return threeWay(a.value<Currency>(), b.value<Currency>());
    case FieldKind::Date:
        return threeWay(a.toDate(), b.toDate());
    case FieldKind::DateTime:
        return threeWay(a.toDateTime(), b.toDateTime());
    case FieldKind::Boolean:
        return threeWay(a.toBool(), b.toBool());
    case FieldKind::Blob:
        return threeWay(a.toByteArray(), b.toByteArray());
    }
    return 0;
}
