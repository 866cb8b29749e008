#include "core/bfun/DataSetFormula.h"

#include "core/bfun/FieldNumber.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/formula/FieldFormula.h"

#include <QHash>
#include <QSet>

namespace {

class DataSetFields : public FormulaFields
{
public:
    explicit DataSetFields(const DataSet &dataSet) : m_dataSet(dataSet) {}
    bool hasField(const QString &name) const override { return m_dataSet.findField(name) != nullptr; }
    FormulaValue value(const QString &name) const override { return FieldNumber(*m_dataSet.fieldByName(name)); }

private:
    const DataSet &m_dataSet;
};

// Fields of each data set whose change is being followed by a formula right now (all in the
// one GUI thread).
QHash<const DataSet *, QSet<const DataField *>> &fieldsInProgress()
{
    static QHash<const DataSet *, QSet<const DataField *>> inProgress;
    return inProgress;
}

class InProgress
{
public:
    InProgress(const DataSet &dataSet, QList<const DataField *> fields) : m_dataSet(dataSet)
    {
        QSet<const DataField *> &set = fieldsInProgress()[&m_dataSet];
        for (const DataField *field : fields) {
            if (!set.contains(field)) {
                set.insert(field);
                m_added.append(field);
            }
        }
    }
    ~InProgress()
    {
        QSet<const DataField *> &set = fieldsInProgress()[&m_dataSet];
        for (const DataField *field : m_added)
            set.remove(field);
        if (set.isEmpty())
            fieldsInProgress().remove(&m_dataSet);
    }

private:
    const DataSet &m_dataSet;
    QList<const DataField *> m_added;
};

} // namespace

void TableFieldDataChange(DataSet &dataSet, const QString &formulaText, DataField *changed)
{
    if (!changed)
        return;
    const FieldFormula formula(formulaText);
    if (!formula.isTriggeredBy(changed->name()))
        return;
    DataField *target = dataSet.findField(formula.target());
    if (target && fieldsInProgress().value(&dataSet).contains(target))
        return;
    const FormulaOutcome outcome = formula.evaluate(DataSetFields(dataSet));
    if (!outcome.ok())
        throw CorvaneError(outcome.error);
    const InProgress inProgress(dataSet, {changed, target});
    SetFieldNumber(*target, outcome.value);
}
