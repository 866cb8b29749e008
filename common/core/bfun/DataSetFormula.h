#pragma once

#include <QString>

class DataField;
class DataSet;

// Recomputes the target of a field formula ("金额 =单价 *数量") in the data set's current row
// when the changed field is one of its operands. A zero divisor, an overflow or a missing field
// raises CorvaneError and leaves the target as it was; a NULL operand makes the target NULL.
//
// A formula never runs again for a target whose change is already being told further up (a
// chain of formulas that leads back to a field it started from): the change ends there, so
// two formulas that feed each other cannot loop.
void TableFieldDataChange(DataSet &dataSet, const QString &formula, DataField *changed);
