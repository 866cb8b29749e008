#include "core/formula/FieldFormula.h"
#include "core/formula/WordBits.h"

#include <QMap>
#include <QtTest>

namespace {
// "12.34" -> exact ten-thousandths, "r:0.1" -> floating, "null" -> NULL.
FormulaValue valueFrom(const QString &text)
{
    if (text == QLatin1String("null"))
        return {};
    if (text.startsWith(QLatin1String("r:")))
        return FormulaValue::real(text.mid(2).toDouble());
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString digits = negative ? text.mid(1) : text;
    const QString whole = digits.section(QLatin1Char('.'), 0, 0);
    const QString fraction = digits.section(QLatin1Char('.'), 1).leftJustified(4, QLatin1Char('0'));
    const qint64 count = whole.toLongLong() * FormulaValue::scale + fraction.toLongLong();
    return FormulaValue::exact(negative ? -count : count);
}

QString describe(const FormulaOutcome &outcome)
{
    if (!outcome.ok())
        return QStringLiteral("error");
    const FormulaValue &value = outcome.value;
    if (value.isNull())
        return QStringLiteral("null");
    if (value.isReal())
        return QStringLiteral("r:") + QString::number(value.toDouble(), 'g', 15);
    const qint64 count = value.tenThousandths();
    const qint64 magnitude = count < 0 ? -count : count;
    QString text = QString::number(magnitude / FormulaValue::scale);
    QString fraction = QStringLiteral("%1").arg(magnitude % FormulaValue::scale, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return count < 0 ? QLatin1Char('-') + text : text;
}

class MapFields : public FormulaFields
{
public:
    explicit MapFields(const QString &values)
    {
        for (const QString &item : values.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            m_values.insert(item.section(QLatin1Char('='), 0, 0).toLower(), valueFrom(item.section(QLatin1Char('='), 1)));
    }
    bool hasField(const QString &name) const override { return m_values.contains(name.toLower()); }
    FormulaValue value(const QString &name) const override { return m_values.value(name.toLower()); }

private:
    QMap<QString, FormulaValue> m_values;
};
}

class TestFieldFormula : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formulas_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<bool>("triggered");
        QTest::addColumn<QString>("result");
        const QString abc = QStringLiteral("t=7;a=1;b=2;c=3");
        QTest::newRow("left to right, no precedence") << "t =a +b *c" << abc << "c" << true << "9";
        QTest::newRow("= adds") << "t =a" << "t=7;a=5" << "a" << true << "5";
        QTest::newRow("starts from zero") << "t -a *b" << abc << "a" << true << "-2";
        QTest::newRow("division") << "t =c /b" << abc << "b" << true << "1.5";
        QTest::newRow("blanks repeated") << "t  =a  +b" << abc << "a" << true << "3";
        QTest::newRow("price times quantity") << "金额 =单价 *数量" << "金额=0;单价=12.5;数量=3" << "数量" << true << "37.5";
        QTest::newRow("field names ignore case") << "Amount =Price *Qty" << "amount=0;price=2;qty=4" << "QTY" << true << "8";
        QTest::newRow("amount sums are exact") << "t =a +b +c" << "t=0;a=0.1;b=0.2;c=-0.3" << "a" << true << "0";
        QTest::newRow("large amounts are exact") << "t =a +b" << "t=0;a=900000000000.01;b=0.02" << "b" << true << "900000000000.03";
        QTest::newRow("product rounds half down to even") << "t =a *b" << "t=0;a=0.0001;b=0.5" << "a" << true << "0";
        QTest::newRow("product rounds half up to even") << "t =a *b" << "t=0;a=0.0003;b=0.5" << "a" << true << "0.0002";
        QTest::newRow("quotient rounded") << "t =a /b" << "t=0;a=10;b=3" << "a" << true << "3.3333";
        QTest::newRow("floating operand") << "t =a *b" << "t=0;a=r:0.1;b=3" << "a" << true << "r:0.3";
        QTest::newRow("null operand") << "t =a +b *c" << "t=1;a=1;b=null;c=2" << "a" << true << "null";
        QTest::newRow("zero divisor") << "t =a /b" << "t=1;a=1;b=0" << "b" << true << "error";
        QTest::newRow("floating zero divisor") << "t =a /b" << "t=1;a=r:1;b=r:0" << "a" << true << "error";
        QTest::newRow("null before zero divisor") << "t =a /b" << "t=1;a=null;b=0" << "a" << true << "null";
        QTest::newRow("overflow") << "t =a *b" << "t=0;a=900000000000000;b=1000" << "a" << true << "error";
        QTest::newRow("missing operand field") << "t =a +x" << abc << "a" << true << "error";
        QTest::newRow("missing target field") << "z =a" << abc << "a" << true << "error";
        QTest::newRow("same field twice") << "t =a +a" << abc << "a" << true << "2";
        QTest::newRow("target operand reads running result") << "t =c *t" << abc << "c" << true << "9";
        QTest::newRow("change of the target never triggers") << "t =c *t" << abc << "t" << false << "9";
        QTest::newRow("unrelated field") << "t =a +b" << abc << "c" << false << "3";
        QTest::newRow("no operands") << "t" << abc << "t" << false << "0";
    }
    void formulas()
    {
        QFETCH(QString, formula);
        QFETCH(QString, fields);
        QFETCH(QString, changed);
        QFETCH(bool, triggered);
        QFETCH(QString, result);
        const FieldFormula parsed(formula);
        QCOMPARE(parsed.isTriggeredBy(changed), triggered);
        QCOMPARE(describe(parsed.evaluate(MapFields(fields))), result);
    }

    void parsedTokens()
    {
        const FieldFormula formula(QStringLiteral("金额 =单价 -折扣 *数量 /包装"));
        QCOMPARE(formula.target(), QStringLiteral("金额"));
        QStringList tokens;
        for (const FormulaOperand &operand : formula.operands())
            tokens.append(operand.op + operand.field);
        QCOMPARE(tokens, (QStringList{"+单价", "-折扣", "*数量", "/包装"}));
    }

    void valuesForTargets_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint64>("tenThousandths");
        QTest::addColumn<qint64>("integer");
        QTest::newRow("half to even down") << "2.5" << qint64(25000) << qint64(2);
        QTest::newRow("half to even up") << "3.5" << qint64(35000) << qint64(4);
        QTest::newRow("negative half") << "-2.5" << qint64(-25000) << qint64(-2);
        QTest::newRow("floating") << "r:0.12345" << qint64(1234) << qint64(0);
        QTest::newRow("floating half") << "r:2.5" << qint64(25000) << qint64(2);
    }
    void valuesForTargets()
    {
        QFETCH(QString, value);
        QFETCH(qint64, tenThousandths);
        QFETCH(qint64, integer);
        const FormulaValue v = valueFrom(value);
        QCOMPARE(v.toTenThousandths(), std::optional<qint64>(tenThousandths));
        QCOMPARE(v.toInteger(), std::optional<qint64>(integer));
    }

    void valuesOutOfRange()
    {
        QVERIFY(!FormulaValue::real(1e300).toTenThousandths());
        QVERIFY(!FormulaValue().toInteger());
        QVERIFY(FormulaValue::integer(std::numeric_limits<qint64>::max()).isReal());
        QCOMPARE(FormulaValue::integer(-3).tenThousandths(), qint64(-30000));
    }

    void wordBits_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<int>("withBit");
        QTest::addColumn<int>("withoutBit");
        QTest::newRow("lowest bit set") << 0x0001 << 1 << true << 0x0001 << 0x0000;
        QTest::newRow("lowest bit clear") << 0x0002 << 1 << false << 0x0003 << 0x0002;
        QTest::newRow("highest bit") << 0x8000 << 16 << true << 0x8000 << 0x0000;
        QTest::newRow("middle") << 0x00F0 << 5 << true << 0x00F0 << 0x00E0;
        QTest::newRow("n out of range") << 0xFFFF << 17 << false << 0xFFFF << 0xFFFF;
        QTest::newRow("n zero") << 0xFFFF << 0 << false << 0xFFFF << 0xFFFF;
    }
    void wordBits()
    {
        QFETCH(int, word);
        QFETCH(int, n);
        QFETCH(bool, isSet);
        QFETCH(int, withBit);
        QFETCH(int, withoutBit);
        QCOMPARE(IsIntegerDigValue1(quint16(word), n), isSet);
        QCOMPARE(int(SetWordDigValue(quint16(word), n, true)), withBit);
        QCOMPARE(int(SetWordDigValue(quint16(word), n, false)), withoutBit);
    }
};

QTEST_MAIN(TestFieldFormula)
#include "tst_fieldformula.moc"
