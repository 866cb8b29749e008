#include "core/dataset/DisplayFormat.h"

#include "core/dataset/FieldValue.h"
#include "core/money/Currency.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace {

struct NumberPicture
{
    QString prefix;
    QString suffix;
    int minDecimals = 0;
    int maxDecimals = 0;
    int minWholeDigits = 0;
    bool thousands = false;
};

// Splits "￥#,##0.00元" into literal prefix, digit part and literal suffix.
bool readPicture(const QString &format, NumberPicture &picture)
{
    const auto isPlaceholder = [](QChar c) { return c == u'0' || c == u'#'; };
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (isPlaceholder(format[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return false;
    // A point or comma right before the first placeholder belongs to the number.
    while (first > 0 && (format[first - 1] == u'.' || format[first - 1] == u','))
        --first;
    picture.prefix = format.left(first);
    picture.suffix = format.mid(last + 1);
    const QString digits = format.mid(first, last - first + 1);
    const qsizetype point = digits.indexOf(u'.');
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    picture.thousands = whole.contains(u',');
    picture.minWholeDigits = int(whole.count(u'0'));
    picture.maxDecimals = int(fraction.count(u'0') + fraction.count(u'#'));
    for (QChar c : fraction) {
        if (c != u'0')
            break;
        ++picture.minDecimals;
    }
    return true;
}

QString groupThousands(const QString &digits)
{
    QString grouped;
    const qsizetype count = digits.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

QString formatNumber(FieldKind kind, const QVariant &value, const NumberPicture &picture)
{
    // Amounts round exactly; other numbers through their decimal text.
    QString text;
    if (kind == FieldKind::Currency)
        text = value.value<Currency>().toFixed(qMin(picture.maxDecimals, 4));
    else
        text = QString::number(value.toDouble(), 'f', picture.maxDecimals);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(u'.');
    QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    fraction = fraction.leftJustified(picture.maxDecimals, u'0', true);
    while (fraction.size() > picture.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole == QLatin1String("0") && picture.minWholeDigits == 0)
        whole.clear();
    whole = whole.rightJustified(picture.minWholeDigits, u'0');
    if (picture.thousands)
        whole = groupThousands(whole);
    QString number = fraction.isEmpty() ? whole : whole + u'.' + fraction;
    const bool allZero = !number.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (negative && !allZero)
        number.prepend(u'-');
    return picture.prefix + number + picture.suffix;
}

QString defaultText(FieldKind kind, const QVariant &value)
{
    if (kind == FieldKind::Currency)
        return value.value<Currency>().toFixed(2);
    return fieldValueText(kind, value);
}

} // namespace

QString formatDisplay(FieldKind kind, const QVariant &value, const QString &format)
{
    if (value.isNull())
        return {};
    if (format.isEmpty())
        return defaultText(kind, value);
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::Float:
    case FieldKind::Currency: {
        NumberPicture picture;
        if (!readPicture(format, picture))
            return format;
        return formatNumber(kind, value, picture);
    }
    case FieldKind::Date:
        return value.toDate().toString(format);
    case FieldKind::DateTime:
        return value.toDateTime().toString(format);
    case FieldKind::Boolean: {
        const qsizetype separator = format.indexOf(u';');
        if (separator < 0)
            return defaultText(kind, value);
        return value.toBool() ? format.left(separator) : format.mid(separator + 1);
    }
    default:
        return defaultText(kind, value);
    }
}
