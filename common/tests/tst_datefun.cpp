#include "core/convert/DateConvertError.h"
#include "core/convert/DateFun.h"

#include <QtTest>

class TestDateFun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void monthLengthsFollowTheCalendar_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("2023-02") << 2023 << 2 << 28;
        QTest::newRow("2024-02") << 2024 << 2 << 29;
        QTest::newRow("1900-02 century") << 1900 << 2 << 28;
        QTest::newRow("2100-02 century") << 2100 << 2 << 28;
        QTest::newRow("2000-02 fourth century") << 2000 << 2 << 29;
        QTest::newRow("2024-04") << 2024 << 4 << 30;
        QTest::newRow("2024-12") << 2024 << 12 << 31;
    }

    void monthLengthsFollowTheCalendar()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        QCOMPARE(MonthMaxDay(year, month), days);
        QCOMPARE(MonthLastDay(QDate(year, month, 3)), QDate(year, month, days));
        QVERIFY(IsMonthLastDay(QDate(year, month, days)));
        QVERIFY(!IsMonthLastDay(QDate(year, month, days - 1)));
        QCOMPARE(ValidMonthDay(year, month, 31), QDate(year, month, days));
        QCOMPARE(MonthFirstDay(QDate(year, month, days)), QDate(year, month, 1));
    }

    void monthSteps_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("previous");
        QTest::addColumn<QDate>("next");
        QTest::newRow("31 March 2023") << QDate(2023, 3, 31) << QDate(2023, 2, 28) << QDate(2023, 4, 30);
        QTest::newRow("15 January 2024") << QDate(2024, 1, 15) << QDate(2023, 12, 15) << QDate(2024, 2, 15);
        QTest::newRow("31 January 2024") << QDate(2024, 1, 31) << QDate(2023, 12, 31) << QDate(2024, 2, 29);
        QTest::newRow("31 December 2023") << QDate(2023, 12, 31) << QDate(2023, 11, 30) << QDate(2024, 1, 31);
        QTest::newRow("29 March 2100") << QDate(2100, 3, 29) << QDate(2100, 2, 28) << QDate(2100, 4, 29);
        QTest::newRow("31 January 1900") << QDate(1900, 1, 31) << QDate(1899, 12, 31) << QDate(1900, 2, 28);
    }

    void monthSteps()
    {
        QFETCH(QDate, date);
        QFETCH(QDate, previous);
        QFETCH(QDate, next);
        QCOMPARE(PreMonthDate(date), previous);
        QCOMPARE(NextMonthDate(date), next);
    }

    void weeks()
    {
        QCOMPARE(YearWeek(QDate(2024, 1, 1)), 1);
        QCOMPARE(YearWeek(QDate(2024, 1, 7)), 1);
        QCOMPARE(YearWeek(QDate(2024, 1, 8)), 2);
        QCOMPARE(YearWeek(QDate(2024, 12, 31)), 53);
        QCOMPARE(WeekStr(QDate(2024, 3, 3)), QStringLiteral("日"));
        QCOMPARE(WeekStr(QDate(2024, 3, 4)), QStringLiteral("一"));
        QCOMPARE(WeekStr(QDate(2024, 3, 9)), QStringLiteral("六"));
    }

    void durations_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 s") << 0.0 << "0秒";
        QTest::newRow("59 s") << 59.0 << "59秒";
        QTest::newRow("59.9 s") << 59.9 << "59秒";
        QTest::newRow("60 s") << 60.0 << "1分0秒";
        QTest::newRow("61 s") << 61.0 << "1分1秒";
        QTest::newRow("3661 s") << 3661.0 << "61分1秒";
    }

    void durations()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(LastTime(seconds / 86400.0), text);
    }

    void datesFromDigits()
    {
        QCOMPARE(GetDateFromInteger(20240229), QDate(2024, 2, 29));
        QCOMPARE(GetDateFromShortInt(240305), QDate(2024, 3, 5));
        QCOMPARE(GetDateFromString(QStringLiteral("2024-3-5")), QDate(2024, 3, 5));
        QCOMPARE(GetDateFromString(QStringLiteral("2024/03/05")), QDate(2024, 3, 5));
        QCOMPARE(StringToDate(QStringLiteral("20240305")), QDate(2024, 3, 5));
        QCOMPARE(StringToDatetime(QStringLiteral("2024030517")), QDateTime(QDate(2024, 3, 5), QTime(17, 0)));
        QCOMPARE(StringToDate2(QStringLiteral("2024-03/05")), QDate(2024, 3, 5));
        QCOMPARE(Hour(QDateTime(QDate(2024, 3, 5), QTime(17, 8, 9))), 17);
        QCOMPARE(Minute(QDateTime(QDate(2024, 3, 5), QTime(17, 8, 9))), 8);
        QCOMPARE(Second(QDateTime(QDate(2024, 3, 5), QTime(17, 8, 9))), 9);
    }

    void textsThatAreNoDateAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("29 Feb 2023") << "integer" << "20230229";
        QTest::newRow("29 Feb 2100") << "integer" << "21000229";
        QTest::newRow("short 30 Feb") << "short" << "240230";
        QTest::newRow("letters") << "string" << "2024-0a-05";
        QTest::newRow("mixed separators") << "string" << "2024-03/05";
        QTest::newRow("two parts") << "string2" << "2024-03";
        QTest::newRow("blank part") << "string2" << "2024- 3-05";
        QTest::newRow("month 13") << "yyyymmdd" << "20241305";
        QTest::newRow("seven digits") << "yyyymmdd" << "2024035";
        QTest::newRow("sign") << "yyyymmdd" << "+2024035";
        QTest::newRow("hour 24") << "yyyymmddhh" << "2024030524";
        QTest::newRow("period month 13") << "period" << "202413";
        QTest::newRow("period letters") << "period" << "2024ab";
    }

    void textsThatAreNoDateAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        const auto convert = [&] {
            if (kind == "integer") GetDateFromInteger(text.toInt());
            else if (kind == "short") GetDateFromShortInt(text.toInt());
            else if (kind == "string") GetDateFromString(text);
            else if (kind == "string2") StringToDate2(text);
            else if (kind == "yyyymmdd") StringToDate(text);
            else if (kind == "yyyymmddhh") StringToDatetime(text);
            else GetPeriodLastDateFromSPeriod(text);
        };
        QVERIFY_THROWS_EXCEPTION(DateConvertError, convert());
    }

    void periods()
    {
        QCOMPARE(PrePeriod(202401), 202312);
        QCOMPARE(PrevTaxPeriod(202405), 202404);
        QCOMPARE(NextPeriod(202312), 202401);
        QCOMPARE(NextTaxPeriod(202305), 202306);
        QCOMPARE(GenPeriodFromDate(QDate(2024, 3, 31)), 202403);
        QCOMPARE(GenStrDateFromPeriod(202403), QStringLiteral("2024-03-01"));
        QCOMPARE(GetPeriodFirstDateFromSPeriod(QStringLiteral("202403")), QStringLiteral("2024-03-01"));
        QCOMPARE(GetPeriodLastDateFromSPeriod(QStringLiteral("202402")), QStringLiteral("2024-02-29"));
        QCOMPARE(GetPeriodLastDateFromSPeriod(QStringLiteral("210002")), QStringLiteral("2100-02-28"));
        QCOMPARE(GetPeriodLastDateFromSPeriodOfDate(QStringLiteral("202312")), QDate(2023, 12, 31));
        QCOMPARE(GetPrePeriodLastDateFromSPeriod(QStringLiteral("202403")), QStringLiteral("2024-02-29"));
        QCOMPARE(GetPrePeriodLastDateFromSPeriod(QStringLiteral("202401")), QStringLiteral("2023-12-31"));
        QCOMPARE(GetNextFirstDateFromSPeriod(QStringLiteral("202312")), QStringLiteral("2024-01-01"));
    }

    void periodTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("202401") << "202401" << true;
        QTest::newRow("210012") << "210012" << true;
        QTest::newRow("202313") << "202313" << false;
        QTest::newRow("202300") << "202300" << false;
        QTest::newRow("199912") << "199912" << false;
        QTest::newRow("210101") << "210101" << false;
        QTest::newRow("20240") << "20240" << false;
        QTest::newRow("2024a1") << "2024a1" << false;
        QTest::newRow("-20241") << "-20241" << false;
    }

    void periodTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(stringisYYYYMM(text), valid);
    }
};

QTEST_GUILESS_MAIN(TestDateFun)
#include "tst_datefun.moc"
