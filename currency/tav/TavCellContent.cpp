#include "tav/TavCellContent.h"

#include <charconv>

TavCellContent TavCellContent::ForAmount(const TavCurrencyStyle &style, long double magnitude,
                                         int sign, bool blankZero)
{
    const int n = style.DigitalNumber;
    const int d = style.DecimalNumber;
    const int hasPoint = style.HasPoint();
    TavCellContent content;
    content.Cells = QStringList(QList<QString>(n));
    if (blankZero && magnitude == 0)
        return content;

    QString text = Format(sign < 0 && style.ShowNegativeSign ? -magnitude : magnitude, d);
    int length = text.size();
    const bool withSymbol = !style.CurrencySymbol.isEmpty();
    const QString point = hasPoint ? QStringLiteral(".") : QString();
    if (withSymbol && n + hasPoint - length < 1) {
        text = QString(n - d - 1, u'*') + point + QString(d, u'*');
        length = n + hasPoint - 1;
    } else if (!withSymbol && n + hasPoint - length < 0) {
        text = QString(n - d, u'*') + point + QString(d, u'*');
        length = n + hasPoint;
    }
    if (withSymbol) {
        const bool digitsFillAllButFirst = length == n + hasPoint - 1;
        content.SymbolCell = style.CurrencySymbolAligned || digitsFillAllButFirst
                                 ? 0
                                 : n + hasPoint - length - 1;
    }
    const int integerChars = length - d - hasPoint;
    for (int i = 1; i <= integerChars; ++i)
        content.Cells[i + hasPoint + n - length - 1] = text.at(i - 1);
    for (int i = 1; i <= d; ++i)
        content.Cells[n - d + i - 1] = text.at(length - d + i - 1);
    return content;
}

TavCellContent TavCellContent::ForPlaceNames(int cells, int decimals, const QStringList &digital,
                                             const QStringList &decimal)
{
    TavCellContent content;
    content.Cells = QStringList(QList<QString>(cells));
    const int integerCells = cells - decimals;
    for (int cell = 0; cell < integerCells; ++cell) {
        const int place = integerCells - 1 - cell;
        if (place < digital.size())
            content.Cells[cell] = digital.at(place);
    }
    for (int i = 0; i < decimals && i < decimal.size(); ++i)
        content.Cells[integerCells + i] = decimal.at(i);
    return content;
}

QString TavCellContent::Format(long double value, int decimals)
{
    // Room for the widest long double written out in full with every decimal the cells allow.
    char buffer[5000];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

long double TavCellContent::Parse(const QString &text)
{
    QByteArray latin = text.toLatin1();
    if (latin.startsWith('.'))
        latin.prepend('0');
    long double value = 0;
    std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    return value;
}
