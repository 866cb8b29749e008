#include "core/bfun/DetailSums.h"

#include "core/bfun/FieldNumber.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/FieldValue.h"
#include "core/dataset/QuietControls.h"
#include "core/db/AdoDataSetFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/formula/FormulaArithmetic.h"

#include <QStringList>

namespace {

struct SumItem
{
    DataField *master = nullptr;
    DataField *detail = nullptr; // nullptr for "*COUNT*"
    bool rowCount = false;
    FormulaValue total = FormulaValue::exact(0);
};

QList<SumItem> parseSumList(const DataSet &master, const DataSet &detail, const QString &sumList)
{
    QList<SumItem> items;
    for (const QString &text : sumList.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = text.split(u':');
        SumItem item;
        item.master = master.fieldByName(parts.value(0).trimmed());
        const QString detailName = parts.value(1).trimmed();
        if (detailName.compare(QStringLiteral("*COUNT*"), Qt::CaseInsensitive) != 0)
            item.detail = detail.fieldByName(detailName);
        item.rowCount = parts.value(2).trimmed() == QStringLiteral("1");
        items.append(item);
    }
    return items;
}

FormulaValue add(const FormulaValue &sum, const FormulaValue &value)
{
    const FormulaStep step = applyFormulaOperator(sum, u'+', value);
    if (!step.error.isEmpty())
        throw CorvaneError(step.error);
    return step.value;
}

// The detail value of one row as a number; NULL adds nothing.
FormulaValue detailNumber(const DataSet &detail, int row, DataField *field)
{
    const FormulaValue number = FieldNumber(*field, detail.value(row, field));
    return number.isNull() ? FormulaValue::exact(0) : number;
}

} // namespace

void SumDtlToMainTable(DataSet &master, const DataSet &detail, const QString &sumList, const QString &filterField,
                       const QString &filterValue)
{
    QList<SumItem> items = parseSumList(master, detail, sumList);
    if (items.isEmpty())
        return;
    DataField *filter = filterField.isEmpty() ? nullptr : detail.fieldByName(filterField);
    for (int row = 0; row < detail.recordCount(); ++row) {
        if (filter && fieldValueText(filter->kind(), detail.value(row, filter)) != filterValue)
            continue;
        for (SumItem &item : items)
            item.total = add(item.total, item.detail ? detailNumber(detail, row, item.detail) : FormulaValue::integer(1));
    }
    for (SumItem &item : items) {
        if (item.rowCount)
            item.total = FormulaValue::integer(detail.recordCount());
        SetFieldNumber(*item.master, item.total);
    }
}

bool SetDtlTableSeqNo(DataSet &dataSet, const QString &fieldName)
{
    DataField *field = dataSet.findField(fieldName);
    if (!field)
        return true;
    if (!PostDataSet(dataSet))
        return false;
    const int current = dataSet.recNo();
    QuietControls quiet(dataSet);
    for (int row = 1; row <= dataSet.recordCount(); ++row) {
        if (!dataSet.setRecNo(row) || !dataSet.edit())
            return false;
        field->setValue(row);
        if (!dataSet.post())
            return false;
    }
    if (current > 0)
        dataSet.setRecNo(current);
    return true;
}

void SetTableInitValue(DataSet &dataSet)
{
    for (DataField *field : dataSet.fields()) {
        const FieldKind kind = field->kind();
        if (!field->isReadOnly() && (kind == FieldKind::Integer || kind == FieldKind::Float || kind == FieldKind::Currency))
            SetFieldNumber(*field, FormulaValue::integer(0));
    }
}

int InsertDetailList(const QSqlDatabase &db, DataSet &detail, const QString &sql, const QVariantList &params,
                     const QString &fieldPairs)
{
    DataSet source;
    source.setConnection(db);
    source.setSql(sql, params);
    source.open();
    QList<std::pair<DataField *, DataField *>> pairs;
    for (const QString &pair : fieldPairs.split(u';', Qt::SkipEmptyParts)) {
        const QStringList names = pair.split(u':');
        pairs.append(std::make_pair(detail.fieldByName(names.value(0).trimmed()), source.fieldByName(names.value(1).trimmed())));
    }
    int added = 0;
    for (int row = 0; row < source.recordCount(); ++row) {
        if (!detail.append())
            break;
        for (const auto &[target, from] : pairs)
            target->setValue(source.value(row, from));
        if (!detail.post())
            break;
        ++added;
    }
    return added;
}
