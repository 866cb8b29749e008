#include "core/text/TypedNumber.h"

namespace {

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x3000);
}

bool isSeparator(QChar c)
{
    return c == u',' || c == QChar(0xFF0C);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "1,234,567" with correct groups, or digits without any separator.
std::optional<QString> wholePart(QStringView text)
{
    QString digits;
    int group = -1;  // digits since the last separator; -1 before the first one
    for (const QChar c : text) {
        if (isAsciiDigit(c)) {
            digits += c;
            if (group >= 0)
                ++group;
        } else if (isSeparator(c)) {
            if (digits.isEmpty() || (group >= 0 && group != 3) || (group < 0 && digits.size() > 3))
                return std::nullopt;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (group >= 0 && group != 3)
        return std::nullopt;
    return digits;
}

}  // namespace

std::optional<QString> NormalizeTypedNumber(QStringView typed)
{
    QString text;
    for (const QChar c : typed)
        if (!isBlank(c))
            text += c;
    if (text.isEmpty())
        return QString();

    QString sign;
    QStringView rest(text);
    if (rest.front() == u'-' || rest.front() == u'+') {
        if (rest.front() == u'-')
            sign = QStringLiteral("-");
        rest = rest.mid(1);
    }
    const qsizetype point = rest.indexOf(u'.');
    const QStringView whole = point < 0 ? rest : rest.left(point);
    const QStringView decimals = point < 0 ? QStringView() : rest.mid(point + 1);
    const auto digits = wholePart(whole);
    if (!digits)
        return std::nullopt;
    for (const QChar c : decimals)
        if (!isAsciiDigit(c))
            return std::nullopt;
    if (digits->isEmpty() && decimals.isEmpty())
        return std::nullopt;
    QString result = sign + (digits->isEmpty() ? QStringLiteral("0") : *digits);
    if (point >= 0 && !decimals.isEmpty())
        result += u'.' + decimals.toString();
    return result;
}
