#pragma once

#include "core/formula/FormulaValue.h"

#include <QChar>
#include <QList>
#include <QString>

// The fields a formula reads, looked up by name (letter case ignored, as field names are).
class FormulaFields
{
public:
    virtual ~FormulaFields() = default;
    virtual bool hasField(const QString &name) const = 0;
    virtual FormulaValue value(const QString &name) const = 0;
};

struct FormulaOperand
{
    QChar op; // '+', '-', '*' or '/'
    QString field;
};

struct FormulaOutcome
{
    FormulaValue value; // NULL when an operand is NULL
    QString error;      // a missing field, a zero divisor, an overflow: the target stays as it was
    bool ok() const { return error.isEmpty(); }
};

// A template field's formula, e.g. "金额 =单价 *数量": tokens separated by blanks; a token
// without an operator names the target, the others are operands whose first character is the
// operator ("=" adds, like "+"). Operands apply from left to right without precedence,
// starting from 0: "t =a +b *c" is (a + b) * c.
class FieldFormula
{
public:
    explicit FieldFormula(const QString &text);

    const QString &target() const { return m_target; }
    const QList<FormulaOperand> &operands() const { return m_operands; }

    // True when a change of this field must recompute the target. A change of the target
    // itself never does, even when the target is also an operand: writing the result would
    // otherwise trigger the formula again without end.
    bool isTriggeredBy(const QString &changedField) const;

    // The new value of the target. An operand naming the target reads the running result.
    FormulaOutcome evaluate(const FormulaFields &fields) const;

private:
    QString m_target;
    QList<FormulaOperand> m_operands;
};
