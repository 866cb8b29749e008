#include "core/spreadsheet/SheetCell.h"

#include <charconv>
#include <cmath>

SheetCell SheetCell::text(const QString &text)
{
    SheetCell cell;
    cell.m_kind = Kind::Text;
    cell.m_text = text;
    return cell;
}

SheetCell SheetCell::number(double value)
{
    SheetCell cell;
    cell.m_kind = Kind::Number;
    cell.m_number = value;
    return cell;
}

SheetCell SheetCell::amount(qint64 tenThousandths)
{
    SheetCell cell = number(double(tenThousandths) / 10000.0);
    cell.m_amount = true;
    // Exact text from the integer: the double may not hold 17 significant digits.
    const quint64 magnitude = tenThousandths < 0 ? 0 - quint64(tenThousandths) : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    const quint64 fraction = magnitude % 10000;
    if (fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    cell.m_text = tenThousandths < 0 ? QLatin1Char('-') + text : text;
    return cell;
}

SheetCell SheetCell::boolean(bool value)
{
    SheetCell cell;
    cell.m_kind = Kind::Boolean;
    cell.m_number = value ? 1 : 0;
    return cell;
}

SheetCell SheetCell::date(QDate date)
{
    SheetCell cell;
    cell.m_kind = Kind::Date;
    cell.m_dateTime = QDateTime(date, QTime(0, 0));
    return cell;
}

SheetCell SheetCell::dateTime(const QDateTime &dateTime)
{
    SheetCell cell;
    cell.m_kind = Kind::DateTime;
    cell.m_dateTime = dateTime;
    return cell;
}

SheetCell SheetCell::time(QTime time)
{
    SheetCell cell;
    cell.m_kind = Kind::Time;
    cell.m_dateTime = QDateTime(QDate(1899, 12, 30), time);
    return cell;
}

SheetCell SheetCell::error(const QString &code)
{
    SheetCell cell;
    cell.m_kind = Kind::Error;
    cell.m_text = code;
    return cell;
}

QString SheetCell::decimalText() const
{
    return m_amount ? m_text : ShortestDecimalText(m_number);
}

QString SheetCell::toText() const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::Text:
    case Kind::Error:
        return m_text;
    case Kind::Number:
        return decimalText();
    case Kind::Boolean:
        return booleanValue() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Date:
        return m_dateTime.toString(QStringLiteral("yyyy-MM-dd"));
    case Kind::DateTime:
        return m_dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case Kind::Time:
        return m_dateTime.toString(QStringLiteral("hh:mm:ss"));
    }
    return {};
}

bool SheetCell::operator==(const SheetCell &other) const
{
    return m_kind == other.m_kind && m_amount == other.m_amount && m_number == other.m_number
        && m_text == other.m_text && m_dateTime == other.m_dateTime;
}

QString ShortestDecimalText(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-9 && magnitude < 1e21);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      plain ? std::chars_format::fixed : std::chars_format::general);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}
