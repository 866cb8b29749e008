#include "core/printfun/Alignment.h"
#include "core/printfun/PrintUnits.h"
#include "core/printfun/VariantText.h"

#include <QtTest>

// Conversions and alignment words of templates and printing.
class TestPrintUnits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marginToPixRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("mm");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1.25 -> 2.5") << 1.25 << 2;
        QTest::newRow("1.75 -> 3.5") << 1.75 << 4;
        QTest::newRow("-1.25 -> -2.5") << -1.25 << -2;
        QTest::newRow("0.75 -> 1.5") << 0.75 << 2;
        QTest::newRow("2.25 -> 4.5") << 2.25 << 4;
        QTest::newRow("below half") << 1.2 << 2;
        QTest::newRow("above half") << 1.3 << 3;
        QTest::newRow("whole") << 10.0 << 20;
    }
    void marginToPixRoundsHalvesToEven()
    {
        QFETCH(double, mm);
        QFETCH(int, pixels);
        QCOMPARE(MarginToPix(mm), pixels);
    }

    void printerConversions()
    {
        QCOMPARE(ConvertMMToPix(25.4, 300), 300);
        QCOMPARE(ConvertMMToPix(10, 96), 38);      // 37.795...
        QCOMPARE(ConvertMMToPix(-10, 96), -38);
        QCOMPARE(ConvertPixToMM(300, 300), 25.4);
        QCOMPARE(ConvertPixToMM(1, 300), 0.08);     // 0.0846...
        QCOMPARE(ConvertPixToMM(96, 72), 33.87);    // 33.866...
        // round(n x b / a / c): exact halves go to the even neighbour.
        QCOMPARE(ConvertToPixCount(5, 2, 1, 1), 2);
        QCOMPARE(ConvertToPixCount(7, 2, 1, 1), 4);
        QCOMPARE(ConvertToPixCount(-5, 2, 1, 1), -2);
        QCOMPARE(ConvertToPixCount(100, 96, 600, 1), 625);
        // A picture with no size in inches must not turn into an undefined pixel count.
        QCOMPARE(ConvertToPixCount(100, 0, 600, 1), 0);
    }

    void drawingFlags_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<int>("flags");
        QTest::newRow("centre centre") << "居中" << "居中" << 5;
        QTest::newRow("right bottom") << "居右" << "居下" << 10;
        QTest::newRow("left top") << "居左" << "居上" << 0;
        QTest::newRow("blanks around words") << " 居中 " << "\t居下 " << 9;
        QTest::newRow("unknown words") << "centre" << "" << 0;
    }
    void drawingFlags()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(int, flags);
        QCOMPARE(GetAlignIntValueByStr(x, y), flags);
    }

    void controlAlignment()
    {
        QCOMPARE(GetAlignByStr(QStringLiteral("居右")), taRightJustify);
        QCOMPARE(GetAlignByStr(QStringLiteral(" 居中")), taCenter);
        QCOMPARE(GetAlignByStr(QStringLiteral("居左")), taLeftJustify);
        QCOMPARE(GetAlignByStr(QStringLiteral("居下")), taLeftJustify);
        QCOMPARE(GetLabelVLayoutByStr(QStringLiteral("居中 ")), tlCenter);
        QCOMPARE(GetLabelVLayoutByStr(QStringLiteral("居下")), tlBottom);
        QCOMPARE(GetLabelVLayoutByStr(QStringLiteral("居右")), tlTop);
    }

    void variantText()
    {
        QCOMPARE(VariantToStr(QVariant()), QString());
        QCOMPARE(VariantToStr(QVariant(QMetaType::fromType<QString>())), QString());
        QCOMPARE(VariantToStr(12.5), QStringLiteral("12.5"));
        QCOMPARE(VariantToStr(QStringLiteral("付款人")), QStringLiteral("付款人"));
    }
};

QTEST_GUILESS_MAIN(TestPrintUnits)
#include "tst_printunits.moc"
