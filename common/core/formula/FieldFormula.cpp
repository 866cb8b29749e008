#include "core/formula/FieldFormula.h"

#include "core/formula/FormulaArithmetic.h"

#include <QStringList>

namespace {
bool sameField(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
}

FieldFormula::FieldFormula(const QString &text)
{
    static const QString operators = QStringLiteral("=+-*/");
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QChar first = token.at(0);
        if (!operators.contains(first))
            m_target = token;
        else
            m_operands.append({first == QLatin1Char('=') ? QLatin1Char('+') : first, token.mid(1)});
    }
}

bool FieldFormula::isTriggeredBy(const QString &changedField) const
{
    if (m_target.isEmpty() || sameField(changedField, m_target))
        return false;
    for (const FormulaOperand &operand : m_operands) {
        if (sameField(operand.field, changedField))
            return true;
    }
    return false;
}

FormulaOutcome FieldFormula::evaluate(const FormulaFields &fields) const
{
    QStringList names{m_target};
    for (const FormulaOperand &operand : m_operands)
        names.append(operand.field);
    for (const QString &name : names) {
        if (name.isEmpty() || !fields.hasField(name))
            return {{}, QStringLiteral("字段不存在：%1").arg(name)};
    }
    FormulaValue result = FormulaValue::exact(0);
    for (const FormulaOperand &operand : m_operands) {
        const FormulaValue value = sameField(operand.field, m_target) ? result : fields.value(operand.field);
        const FormulaStep step = applyFormulaOperator(result, operand.op, value);
        if (!step.error.isEmpty())
            return {{}, step.error};
        if (step.value.isNull())
            return {};
        result = step.value;
    }
    return {result, {}};
}
