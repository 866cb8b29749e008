#include "core/spreadsheet/SheetCell.h"

#include <charconv>
#include <cmath>

SheetCell::SheetCell(Kind kind, double number, QString text, QDateTime dateTime)
    : m_kind(kind), m_number(number), m_text(std::move(text)), m_dateTime(std::move(dateTime))
{
}

SheetCell SheetCell::text(const QString &text)
{
    return {Kind::Text, 0, text, {}};
}

SheetCell SheetCell::number(double value)
{
    return {Kind::Number, value, {}, {}};
}

SheetCell SheetCell::amount(qint64 tenThousandths)
{
    // Exact text from the integer: the double may not hold 17 significant digits.
    const quint64 magnitude = tenThousandths < 0 ? 0 - quint64(tenThousandths) : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    if (const quint64 fraction = magnitude % 10000) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    SheetCell cell(Kind::Number, double(tenThousandths) / 10000.0, tenThousandths < 0 ? QLatin1Char('-') + text : text, {});
    cell.m_amount = true;
    return cell;
}

SheetCell SheetCell::boolean(bool value)
{
    return {Kind::Boolean, value ? 1.0 : 0.0, {}, {}};
}

SheetCell SheetCell::date(QDate date)
{
    return {Kind::Date, 0, {}, QDateTime(date, QTime(0, 0))};
}

SheetCell SheetCell::dateTime(const QDateTime &dateTime)
{
    return {Kind::DateTime, 0, {}, dateTime};
}

SheetCell SheetCell::time(QTime time)
{
    return {Kind::Time, 0, {}, QDateTime(QDate(1899, 12, 30), time)};
}

SheetCell SheetCell::error(const QString &code)
{
    return {Kind::Error, 0, code, {}};
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
