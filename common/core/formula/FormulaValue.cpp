#include "core/formula/FormulaValue.h"

#include "core/formula/FormulaArithmetic.h"

#include <cmath>

namespace {
std::optional<qint64> roundedToInt64(double value)
{
    const double rounded = std::nearbyint(value);
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (!std::isfinite(rounded) || rounded >= 9223372036854775808.0 || rounded < -9223372036854775808.0)
        return std::nullopt;
    return qint64(rounded);
}
}

FormulaValue FormulaValue::exact(qint64 tenThousandths)
{
    return FormulaValue(Kind::Exact, tenThousandths, 0);
}

FormulaValue FormulaValue::integer(qint64 value)
{
    qint64 scaled = 0;
    if (__builtin_mul_overflow(value, scale, &scaled))
        return real(double(value));
    return exact(scaled);
}

FormulaValue FormulaValue::real(double value)
{
    return FormulaValue(Kind::Real, 0, value);
}

double FormulaValue::toDouble() const
{
    switch (m_kind) {
    case Kind::Exact:
        return double(m_exact) / double(scale);
    case Kind::Real:
        return m_real;
    case Kind::Null:
        break;
    }
    return 0;
}

std::optional<qint64> FormulaValue::toTenThousandths() const
{
    if (m_kind == Kind::Exact)
        return m_exact;
    if (m_kind == Kind::Real)
        return roundedToInt64(m_real * double(scale));
    return std::nullopt;
}

std::optional<qint64> FormulaValue::toInteger() const
{
    if (m_kind == Kind::Exact)
        return divideHalfEven(m_exact, scale);
    if (m_kind == Kind::Real)
        return roundedToInt64(m_real);
    return std::nullopt;
}
