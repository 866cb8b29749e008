#pragma once

#include "core/formula/FormulaValue.h"

#include <QVariant>

class DataField;

// A field's value of the current row as a number for formulas and sums: amounts and integers
// exact, floats floating, yes/no as 0 or 1, NULL (and empty text) NULL; text holding a number
// is read exactly. Raises CorvaneError for any other text and for dates.
FormulaValue FieldNumber(const DataField &field);
// The same for a value of that field in any row.
FormulaValue FieldNumber(const DataField &field, const QVariant &value);

// Writes a number into the field: integers rounded halves to even, amounts to ten-thousandths,
// text as the shortest exact figures; NULL clears. Raises CorvaneError when it does not fit.
void SetFieldNumber(DataField &field, const FormulaValue &value);
