#include "core/money/Currency.h"

#include <cmath>
#include <limits>

namespace {

constexpr qint64 kPowers[] = {1, 10, 100, 1000, 10000};

// quotient of value / divisor rounded to the nearest integer, ties to the even one.
qint64 divideHalfEven(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor; // same sign as value
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > divisor || (twice == divisor && (quotient % 2) != 0))
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

} // namespace

Currency Currency::fromDouble(double value)
{
    return Currency(qint64(std::nearbyint(value * double(kScale))));
}

std::optional<Currency> Currency::fromDoubleInRange(double value)
{
    // kMaxUnits as a double rounds down (to ...769664), so whatever passes fits the cast.
    const double units = std::nearbyint(value * double(kScale));
    if (!std::isfinite(units) || units > double(kMaxUnits) || units < -double(kMaxUnits))
        return std::nullopt;
    return fromUnitsInRange(qint64(units));
}

std::optional<Currency> Currency::fromIntegerInRange(qint64 whole)
{
    constexpr qint64 limit = kMaxUnits / kScale;
    if (whole > limit || whole < -limit)
        return std::nullopt;
    return Currency(whole * kScale);
}

std::optional<Currency> Currency::fromUnitsInRange(qint64 units)
{
    if (!isInRange(units))
        return std::nullopt;
    return Currency(units);
}

std::optional<Currency> Currency::parse(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    const quint64 limit = quint64(kMaxUnits);
    quint64 magnitude = 0;
    for (QChar c : whole) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        const quint64 digit = quint64(c.unicode() - '0') * kScale;
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    // The first four decimals are exact; the rest only decide the rounding.
    quint64 place = kScale / 10;
    int firstDropped = -1;
    bool restNonZero = false;
    for (QChar c : fraction) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        const int digit = c.unicode() - '0';
        if (place > 0) {
            if (magnitude > limit - digit * place)
                return std::nullopt;
            magnitude += digit * place;
            place /= 10;
        } else if (firstDropped < 0) {
            firstDropped = digit;
        } else if (digit != 0) {
            restNonZero = true;
        }
    }
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || magnitude % 2 != 0))) {
        if (magnitude == limit)
            return std::nullopt;
        ++magnitude;
    }
    return Currency(negative ? qint64(quint64(0) - magnitude) : qint64(magnitude));
}

Currency Currency::rounded(int decimals) const
{
    decimals = qBound(0, decimals, 4);
    const qint64 step = kPowers[4 - decimals];
    qint64 quotient = divideHalfEven(m_units, step);
    qint64 result = 0;
    if (__builtin_mul_overflow(quotient, step, &result)) {
        quotient += quotient < 0 ? 1 : -1;
        result = quotient * step;
    }
    return Currency(result);
}

QString Currency::toFixed(int decimals) const
{
    decimals = qBound(0, decimals, 4);
    const qint64 value = rounded(decimals).m_units;
    // Work on the magnitude without negating the smallest value.
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    QString text = QString::number(magnitude / quint64(kScale));
    if (decimals > 0) {
        const quint64 fraction = (magnitude % quint64(kScale)) / quint64(kPowers[4 - decimals]);
        text += u'.' + QString::number(fraction).rightJustified(decimals, u'0');
    }
    return value < 0 ? u'-' + text : text;
}

QString Currency::toString() const
{
    QString text = toFixed(4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
