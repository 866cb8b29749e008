#include "core/formula/FormulaArithmetic.h"

#include <cmath>
#include <limits>

namespace {
const QString zeroDivisor = QStringLiteral("除数不能为零");
const QString overflow = QStringLiteral("计算结果超出范围");

std::optional<qint64> narrowed(__int128 value)
{
    if (value > std::numeric_limits<qint64>::max() || value < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return qint64(value);
}

FormulaStep exactStep(qint64 left, QChar op, qint64 right)
{
    std::optional<qint64> result;
    switch (op.unicode()) {
    case '+':
        result = narrowed(__int128(left) + right);
        break;
    case '-':
        result = narrowed(__int128(left) - right);
        break;
    case '*':
        result = divideHalfEven(__int128(left) * right, FormulaValue::scale);
        break;
    case '/':
        if (right == 0)
            return {{}, zeroDivisor};
        result = divideHalfEven(__int128(left) * FormulaValue::scale, right);
        break;
    }
    if (!result)
        return {{}, overflow};
    return {FormulaValue::exact(*result), {}};
}

FormulaStep realStep(double left, QChar op, double right)
{
    double result = 0;
    switch (op.unicode()) {
    case '+':
        result = left + right;
        break;
    case '-':
        result = left - right;
        break;
    case '*':
        result = left * right;
        break;
    case '/':
        if (right == 0)
            return {{}, zeroDivisor};
        result = left / right;
        break;
    }
    if (!std::isfinite(result))
        return {{}, overflow};
    return {FormulaValue::real(result), {}};
}
}

std::optional<qint64> divideHalfEven(__int128 numerator, __int128 denominator)
{
    if (denominator == 0)
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 quotient = numerator / denominator;
    __int128 remainder = numerator % denominator; // same sign as the numerator
    const __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += remainder < 0 ? -1 : 1;
    return narrowed(quotient);
}

FormulaStep applyFormulaOperator(const FormulaValue &left, QChar op, const FormulaValue &right)
{
    if (left.isNull() || right.isNull())
        return {{}, {}};
    if (left.isExact() && right.isExact())
        return exactStep(left.tenThousandths(), op, right.tenThousandths());
    return realStep(left.toDouble(), op, right.toDouble());
}
