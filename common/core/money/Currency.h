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
    // The largest amount the program accepts, of either sign: 922 337 203 685 477 yuan, the last
    // whole yuan below the 64-bit limit, so that an accepted amount rounded to any number of
    // decimals is still a 64-bit count.
    static constexpr qint64 kMaxUnits = 922337203685477 * kScale;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(qint64 units) { return Currency(units); }
    static constexpr Currency fromInteger(qint64 whole) { return Currency(whole * kScale); }
    // The nearest amount; a value exactly halfway goes to the even neighbour.
    static Currency fromDouble(double value);
    // Like fromDouble, fromInteger and fromUnits, but no value for NaN, infinities and amounts
    // beyond ±kMaxUnits: values that enter from outside must never wrap to another amount.
    static std::optional<Currency> fromDoubleInRange(double value);
    static std::optional<Currency> fromIntegerInRange(qint64 whole);
    static std::optional<Currency> fromUnitsInRange(qint64 units);
    // Optional sign, digits, optional point and digits; blanks around are ignored. Digits past
    // the fourth decimal are rounded. No value for anything else or for an amount beyond
    // ±kMaxUnits once rounded.
    static std::optional<Currency> parse(QStringView text);
    static constexpr bool isInRange(qint64 units) { return units <= kMaxUnits && units >= -kMaxUnits; }
    constexpr bool isInRange() const { return isInRange(m_units); }

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / double(kScale); }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded to the given number of decimals (0 to 4). An amount beyond the accepted range (only
    // fromUnits makes one) whose nearest step lies outside 64 bits takes the step toward zero.
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
