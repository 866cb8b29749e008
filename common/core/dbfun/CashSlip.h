#pragma once

// The arithmetic of the cash deposit slip (现金缴款单): a count of notes gives its amount
// column, and the amount columns add up to 金额. Amounts are exact to the fen.

#include "core/money/Currency.h"

#include <QString>

#include <array>

class DataField;
class DataSet;

// The value of one note or coin of each count column, in the order of CashCountFieldNames.
extern const std::array<Currency, 15> CashDenominations;

// When the table is 现金缴款单: a changed count column k sets amount column k to count ×
// denomination; a changed amount column sets 金额 to the sum of the 20 amount columns (these
// writes are field changes of their own, so the fill follows them). True for that table,
// false (and nothing done) for any other.
bool CashSlipFieldChange(DataSet &dataSet, const QString &table, DataField *changed);

// The index of the column in CashCountFieldNames (kind 0) or CashAmountFieldNames (kind 1);
// -1 when absent or for any other kind.
int FindCashFieldIndex(const QString &column, int kind);

// The sum of the 20 amount columns of the current row (NULL counts as 0).
Currency SumCashAmounts(const DataSet &dataSet);
