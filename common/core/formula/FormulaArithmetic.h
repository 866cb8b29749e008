#pragma once

#include "core/formula/FormulaValue.h"

#include <QChar>
#include <QString>

#include <optional>

// numerator / denominator rounded halves to even; nothing when the denominator is 0 or the
// quotient leaves the 64-bit range.
std::optional<qint64> divideHalfEven(__int128 numerator, __int128 denominator);

// One step of a formula: left op right, with op one of + - * /. Exact values stay exact
// (products and quotients rounded to ten-thousandths, halves to even); a floating operand
// makes the result floating. A zero divisor or an overflow is an error, never inf or NaN.
struct FormulaStep
{
    FormulaValue value;
    QString error; // empty on success
};
FormulaStep applyFormulaOperator(const FormulaValue &left, QChar op, const FormulaValue &right);
