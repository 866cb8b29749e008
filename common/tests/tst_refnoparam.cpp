#include "core/errors/CorvaneError.h"
#include "core/messages/RefNoParam.h"

#include <QtTest>

class TestRefNoParam : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void packs_data()
    {
        QTest::addColumn<qint64>("refNo");
        QTest::addColumn<qint64>("rowId");
        QTest::addColumn<qint64>("lParam");
        QTest::newRow("nothing") << qint64(0) << qint64(0) << qint64(0);
        QTest::newRow("16-bit RefNo") << qint64(65535) << qint64(0) << qint64(65535);
        QTest::newRow("RefNo past 16 bits") << qint64(65536) << qint64(0) << qint64(65536);
        QTest::newRow("RefNo and row") << qint64(70000) << qint64(3) << qint64(3298534953328);
        QTest::newRow("row alone") << qint64(0) << qint64(1) << qint64(1099511627776);
        QTest::newRow("both largest") << qint64(1099511627775) << qint64(8388607) << qint64(9223372036854775807);
    }

    void packs()
    {
        QFETCH(qint64, refNo);
        QFETCH(qint64, rowId);
        QFETCH(qint64, lParam);
        QCOMPARE(PackRefNoParam(refNo, rowId), lParam);
        const RefNoParam back = UnpackRefNoParam(lParam);
        QCOMPARE(back.refNo, refNo);
        QCOMPARE(back.rowId, rowId);
    }

    void refusesWhatDoesNotFit_data()
    {
        QTest::addColumn<qint64>("refNo");
        QTest::addColumn<qint64>("rowId");
        QTest::newRow("negative RefNo") << qint64(-1) << qint64(0);
        QTest::newRow("RefNo past 40 bits") << qint64(1099511627776) << qint64(0);
        QTest::newRow("negative row") << qint64(1) << qint64(-1);
        QTest::newRow("row past 23 bits") << qint64(1) << qint64(8388608);
    }

    void refusesWhatDoesNotFit()
    {
        QFETCH(qint64, refNo);
        QFETCH(qint64, rowId);
        QVERIFY_THROWS_EXCEPTION(CorvaneError, PackRefNoParam(refNo, rowId));
    }
};

QTEST_MAIN(TestRefNoParam)
#include "tst_refnoparam.moc"
