#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

// An amount held exactly as a signed 64-bit count of ten-thousandths (four decimals).
// Parsing and rounding use integer arithmetic; a tie rounds to the even neighbour.
class Currency
{
public:
    static constexpr qint64 kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(qint64 units) { return Currency(units); }
    static constexpr Currency fromInteger(qint64 whole) { return Currency(whole * kScale); }
    // The nearest amount; a value exactly halfway goes to the even neighbour.
    static Currency fromDouble(double value);
    // Like fromDouble and fromInteger, but no value for NaN, infinities and amounts beyond the
    // 64-bit range: values that enter from outside must never wrap to another amount.
    static std::optional<Currency> fromDoubleInRange(double value);
    static std::optional<Currency> fromIntegerInRange(qint64 whole);
    // Optional sign, digits, optional point and digits; blanks around are ignored. Digits past
    // the fourth decimal are rounded. No value for anything else or for an amount out of range.
    static std::optional<Currency> parse(QStringView text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / double(kScale); }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded to the given number of decimals (0 to 4).
    Currency rounded(int decimals) const;
    // Exactly the given number of decimals (0 to 4), rounded: "-12.50".
    QString toFixed(int decimals) const;
    // Shortest exact text: "12.5", "-0.0001", "3".
    QString toString() const;

    constexpr Currency operator-() const { return Currency(-m_units); }
    constexpr Currency operator+(Currency other) const { return Currency(m_units + other.m_units); }
    constexpr Currency operator-(Currency other) const { return Currency(m_units - other.m_units); }
    Currency &operator+=(Currency other) { m_units += other.m_units; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

Q_DECLARE_METATYPE(Currency)
