#include "core/money/Currency.h"

#include <QtTest>

class TestCurrency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("units");
        QTest::newRow("whole") << "12" << true << qint64(120000);
        QTest::newRow("blanks and plus") << " +3.5 " << true << qint64(35000);
        QTest::newRow("four decimals exact") << "0.0001" << true << qint64(1);
        QTest::newRow("leading point") << ".25" << true << qint64(2500);
        QTest::newRow("trailing point") << "7." << true << qint64(70000);
        QTest::newRow("negative") << "-12.3456" << true << qint64(-123456);
        QTest::newRow("half to even down") << "1.00005" << true << qint64(10000);
        QTest::newRow("half to even up") << "1.00015" << true << qint64(10002);
        QTest::newRow("above half") << "1.000051" << true << qint64(10001);
        QTest::newRow("below half") << "1.000049999" << true << qint64(10000);
        QTest::newRow("negative half to even") << "-2.00025" << true << qint64(-20002);
        QTest::newRow("negative above half") << "-2.000251" << true << qint64(-20003);
        QTest::newRow("large exact") << "922337203685477.5807" << true << qint64(9223372036854775807LL);
        QTest::newRow("smallest") << "-922337203685477.5808" << true << std::numeric_limits<qint64>::min();
        QTest::newRow("overflow") << "922337203685477.5808" << false << qint64(0);
        QTest::newRow("overflow by rounding") << "922337203685477.58075" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("sign only") << "-" << false << qint64(0);
        QTest::newRow("point only") << "." << false << qint64(0);
        QTest::newRow("two points") << "1.2.3" << false << qint64(0);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("thousands separator") << "1,000" << false << qint64(0);
        QTest::newRow("full-width digit") << QString::fromUtf8("１") << false << qint64(0);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, units);
        const auto parsed = Currency::parse(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(parsed->units(), units);
    }

    void format_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("shortest");
        QTest::newRow("zero") << qint64(0) << 2 << "0.00" << "0";
        QTest::newRow("plain") << qint64(123460) << 2 << "12.35" << "12.346";
        QTest::newRow("half down to even") << qint64(123250) << 2 << "12.32" << "12.325";
        QTest::newRow("half up to even") << qint64(123350) << 2 << "12.34" << "12.335";
        QTest::newRow("negative half") << qint64(-123250) << 2 << "-12.32" << "-12.325";
        QTest::newRow("negative rounds to zero") << qint64(-40) << 2 << "0.00" << "-0.004";
        QTest::newRow("negative small") << qint64(-1) << 4 << "-0.0001" << "-0.0001";
        QTest::newRow("whole yuan half") << qint64(25000) << 0 << "2" << "2.5";
        QTest::newRow("whole yuan half odd") << qint64(35000) << 0 << "4" << "3.5";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << 4 << "-922337203685477.5808" << "-922337203685477.5808";
    }
    void format()
    {
        QFETCH(qint64, units);
        QFETCH(int, decimals);
        QFETCH(QString, fixed);
        QFETCH(QString, shortest);
        const Currency amount = Currency::fromUnits(units);
        QCOMPARE(amount.toFixed(decimals), fixed);
        QCOMPARE(amount.toString(), shortest);
        QCOMPARE(Currency::parse(amount.toString())->units(), units);
    }

    void fromDoubleRoundsToNearest_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("cents") << 0.1 + 0.2 << qint64(3000);
        QTest::newRow("negative") << -1234.5678 << qint64(-12345678);
        QTest::newRow("large") << 12345678901.23 << qint64(123456789012300);
    }
    void fromDoubleRoundsToNearest()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        QCOMPARE(Currency::fromDouble(value).units(), units);
        QCOMPARE(Currency::fromDouble(Currency::fromUnits(units).toDouble()).units(), units);
    }

    void arithmeticAndOrderAreExact()
    {
        Currency sum;
        for (int i = 0; i < 10; ++i)
            sum += *Currency::parse(QStringLiteral("0.1"));
        QCOMPARE(sum, Currency::fromInteger(1));
        QVERIFY(-sum < Currency());
        QCOMPARE((sum - Currency::fromUnits(1)).toString(), QStringLiteral("0.9999"));
        QCOMPARE(Currency::fromUnits(12500).rounded(1).units(), qint64(12000));
        QCOMPARE(Currency::fromUnits(13500).rounded(1).units(), qint64(14000));
        QCOMPARE(Currency::fromUnits(-13500).rounded(1).units(), qint64(-14000));
        QVERIFY(QVariant::fromValue(sum) == QVariant::fromValue(Currency::fromInteger(1)));
    }
};

QTEST_MAIN(TestCurrency)
#include "tst_currency.moc"
