#pragma once

#include <QtGlobal>

#include <optional>

// A value in a field formula: NULL, an exact amount or a floating value. Exact values are a
// count of ten-thousandths, as amounts are held, so sums of amounts stay exact to the fen;
// integers are exact too. A floating operand (a float field) makes the result floating.
class FormulaValue
{
public:
    static constexpr qint64 scale = 10000;

    FormulaValue() = default; // NULL
    static FormulaValue exact(qint64 tenThousandths);
    static FormulaValue integer(qint64 value);
    static FormulaValue real(double value);

    bool isNull() const { return m_kind == Kind::Null; }
    bool isExact() const { return m_kind == Kind::Exact; }
    bool isReal() const { return m_kind == Kind::Real; }

    qint64 tenThousandths() const { return m_exact; } // exact values only
    double toDouble() const;

    // For writing into an amount or an integer field: rounded halves to even; nothing when
    // the value is NULL or out of range.
    std::optional<qint64> toTenThousandths() const;
    std::optional<qint64> toInteger() const;

private:
    enum class Kind { Null, Exact, Real };
    FormulaValue(Kind kind, qint64 exact, double real) : m_kind(kind), m_exact(exact), m_real(real) {}

    Kind m_kind = Kind::Null;
    qint64 m_exact = 0;
    double m_real = 0;
};
