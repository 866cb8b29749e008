#include "core/dbfun/CashSlip.h"

#include "core/bfun/FieldNumber.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dbfun/BillColumns.h"
#include "core/errors/CorvaneError.h"
#include "core/formula/FormulaArithmetic.h"

namespace {

constexpr Currency yuan(qint64 tenThousandths)
{
    return Currency::fromUnits(tenThousandths);
}

template <std::size_t N>
int indexIn(const std::array<QString, N> &names, const QString &column)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i].compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

const std::array<Currency, 15> CashDenominations = {
    yuan(10000000), yuan(5000000), yuan(1000000), yuan(500000), yuan(200000), yuan(100000), yuan(50000), yuan(20000),
    yuan(10000),    yuan(5000),    yuan(2000),    yuan(1000),   yuan(500),    yuan(200),    yuan(100)};

bool CashSlipFieldChange(DataSet &dataSet, const QString &table, DataField *changed)
{
    if (table.compare(QStringLiteral("现金缴款单"), Qt::CaseInsensitive) != 0)
        return false;
    if (!changed)
        return true;
    const int count = FindCashFieldIndex(changed->name(), 0);
    if (count >= 0) {
        const FormulaValue notes = FieldNumber(*changed);
        const FormulaStep amount = applyFormulaOperator(notes.isNull() ? FormulaValue::integer(0) : notes, u'*',
                                                        FormulaValue::exact(CashDenominations[count].units()));
        if (!amount.error.isEmpty())
            throw CorvaneError(amount.error);
        SetFieldNumber(*dataSet.fieldByName(CashAmountFieldNames[count]), amount.value);
    }
    if (FindCashFieldIndex(changed->name(), 1) >= 0)
        dataSet.fieldByName(QStringLiteral("金额"))->setValue(QVariant::fromValue(SumCashAmounts(dataSet)));
    return true;
}

int FindCashFieldIndex(const QString &column, int kind)
{
    if (kind == 0)
        return indexIn(CashCountFieldNames, column);
    if (kind == 1)
        return indexIn(CashAmountFieldNames, column);
    return -1;
}

Currency SumCashAmounts(const DataSet &dataSet)
{
    Currency sum;
    for (const QString &column : CashAmountFieldNames)
        sum += dataSet.fieldByName(column)->asCurrency();
    return sum;
}
