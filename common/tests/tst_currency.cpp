#include "core/dataset/FieldValue.h"
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
        QTest::newRow("largest") << "922337203685477" << true << Currency::kMaxUnits;
        QTest::newRow("largest with decimals") << "922337203685477.0000" << true << Currency::kMaxUnits;
        QTest::newRow("smallest") << "-922337203685477" << true << -Currency::kMaxUnits;
        QTest::newRow("rounds up to the largest") << "922337203685476.99995" << true << Currency::kMaxUnits;
        QTest::newRow("tie stays at the largest") << "922337203685477.00005" << true << Currency::kMaxUnits;
        QTest::newRow("negative tie stays at the smallest") << "-922337203685477.00005" << true << -Currency::kMaxUnits;
        QTest::newRow("rounds beyond the largest") << "922337203685477.000051" << false << qint64(0);
        QTest::newRow("just beyond the largest") << "922337203685477.0001" << false << qint64(0);
        QTest::newRow("just beyond the smallest") << "-922337203685477.0001" << false << qint64(0);
        QTest::newRow("64-bit limit") << "922337203685477.5807" << false << qint64(0);
        QTest::newRow("64-bit limit negative") << "-922337203685477.5808" << false << qint64(0);
        QTest::newRow("overflow") << "922337203685477.5808" << false << qint64(0);
        QTest::newRow("overflow by rounding") << "922337203685477.58075" << false << qint64(0);
        QTest::newRow("twenty digits") << "99999999999999999999" << false << qint64(0);
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
        QTest::newRow("smallest") << -Currency::kMaxUnits << 4 << "-922337203685477.0000" << "-922337203685477";
        QTest::newRow("largest") << Currency::kMaxUnits << 2 << "922337203685477.00" << "922337203685477";
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

    // Rounding near the 64-bit limit: accepted amounts round exactly; an amount beyond the
    // accepted range (only fromUnits makes one) rounds without overflow, toward zero where the
    // nearest step does not fit.
    void roundingNearTheLimit_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<qint64>("rounded");
        QTest::addColumn<QString>("fixed");
        constexpr qint64 top = Currency::kMaxUnits;
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        for (int decimals = 0; decimals <= 4; ++decimals) {
            const QString zeros = decimals ? QStringLiteral(".") + QString(decimals, u'0') : QString();
            QTest::addRow("largest, %d decimals", decimals) << top << decimals << top << QStringLiteral("922337203685477") + zeros;
            QTest::addRow("smallest, %d decimals", decimals) << -top << decimals << -top << QStringLiteral("-922337203685477") + zeros;
        }
        QTest::newRow("just below the largest, whole") << top - 1 << 0 << top << "922337203685477";
        QTest::newRow("just below the largest, fen") << top - 1 << 2 << top << "922337203685477.00";
        QTest::newRow("just above the smallest, whole") << -top + 1 << 0 << -top << "-922337203685477";
        QTest::newRow("half below the largest to even") << top - 5000 << 0 << top - 10000 << "922337203685476";
        QTest::newRow("half below the largest, jiao") << top - 500 << 1 << top << "922337203685477.0";
        QTest::newRow("64-bit limit, whole") << max << 0 << top << "922337203685477";
        QTest::newRow("64-bit limit, jiao") << max << 1 << max - 807 << "922337203685477.5";
        QTest::newRow("64-bit limit, fen") << max << 2 << max - 7 << "922337203685477.58";
        QTest::newRow("64-bit limit, li") << max << 3 << max - 7 << "922337203685477.580";
        QTest::newRow("64-bit limit, 4 decimals") << max << 4 << max << "922337203685477.5807";
        QTest::newRow("64-bit minimum, whole") << min << 0 << -top << "-922337203685477";
        QTest::newRow("64-bit minimum, fen") << min << 2 << min + 8 << "-922337203685477.58";
        QTest::newRow("64-bit minimum, li") << min << 3 << min + 8 << "-922337203685477.580";
        QTest::newRow("64-bit minimum, 4 decimals") << min << 4 << min << "-922337203685477.5808";
    }
    void roundingNearTheLimit()
    {
        QFETCH(qint64, units);
        QFETCH(int, decimals);
        QFETCH(qint64, rounded);
        QFETCH(QString, fixed);
        const Currency amount = Currency::fromUnits(units);
        QCOMPARE(amount.rounded(decimals).units(), rounded);
        QCOMPARE(amount.toFixed(decimals), fixed);
        QCOMPARE(amount.isInRange(), units >= -Currency::kMaxUnits && units <= Currency::kMaxUnits);
    }

    // Every way an amount enters: within the range it converts exactly, beyond it it is refused.
    void enteringAmountsNearTheLimit_data()
    {
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("units");
        constexpr qint64 top = Currency::kMaxUnits;
        QTest::newRow("text, largest") << QVariant(QStringLiteral("922337203685477")) << true << top;
        QTest::newRow("text, 64-bit limit") << QVariant(QStringLiteral("922337203685477.5807")) << false << qint64(0);
        QTest::newRow("text, 64-bit minimum") << QVariant(QStringLiteral("-922337203685477.5808")) << false << qint64(0);
        QTest::newRow("integer, largest") << QVariant(qint64(922337203685477)) << true << top;
        QTest::newRow("integer, smallest") << QVariant(qint64(-922337203685477)) << true << -top;
        QTest::newRow("integer, beyond") << QVariant(qint64(922337203685478)) << false << qint64(0);
        QTest::newRow("integer, 64-bit limit") << QVariant(std::numeric_limits<qint64>::max()) << false << qint64(0);
        QTest::newRow("double, 2^49 yuan") << QVariant(562949953421312.0) << true << qint64(5629499534213120000);
        QTest::newRow("double, 64-bit limit") << QVariant(922337203685477.5807) << false << qint64(0);
        QTest::newRow("double, beyond") << QVariant(-922337203685478.0) << false << qint64(0);
        QTest::newRow("double, infinite") << QVariant(std::numeric_limits<double>::infinity()) << false << qint64(0);
        QTest::newRow("amount, largest") << QVariant::fromValue(Currency::fromUnits(top)) << true << top;
        QTest::newRow("amount, 64-bit limit") << QVariant::fromValue(Currency::fromUnits(std::numeric_limits<qint64>::max()))
                                              << false << qint64(0);
    }
    void enteringAmountsNearTheLimit()
    {
        QFETCH(QVariant, input);
        QFETCH(bool, accepted);
        QFETCH(qint64, units);
        const std::optional<QVariant> value = fieldValueFromInput(FieldKind::Currency, input);
        QCOMPARE(value.has_value(), accepted);
        if (!accepted)
            return;
        const Currency amount = value->value<Currency>();
        QCOMPARE(amount.units(), units);
        for (int decimals = 0; decimals <= 4; ++decimals)
            QCOMPARE(amount.rounded(decimals).isInRange(), true);
        // As a whole number (an integer column) and back.
        const std::optional<QVariant> whole = fieldValueFromInput(FieldKind::Integer, *value);
        QVERIFY(whole.has_value());
        QCOMPARE(whole->toLongLong(), amount.rounded(0).units() / Currency::kScale);
        QCOMPARE(Currency::parse(amount.toString())->units(), units);
        QCOMPARE(Currency::fromUnitsInRange(units)->units(), units);
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
