#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Parts of dates, steps of one month, month ends, accounting periods (yyyymm, as a number or
// as its 6-character text) and dates read from fixed digit layouts. Month lengths follow the
// Gregorian calendar. Texts that are not digits where digits belong, and parts that make no
// valid date, raise DateConvertError.

int Hour(const QDateTime &dateTime);
int Minute(const QDateTime &dateTime);
int Second(const QDateTime &dateTime);
int Year(const QDate &date);
int Month(const QDate &date);
int Day(const QDate &date);

// "日", "一" ... "六"; the empty text for an invalid date.
QString WeekStr(const QDate &date);

int MonthMaxDay(int year, int month);
// The date with the day lowered to the month's last day when it is larger.
QDate ValidMonthDay(int year, int month, int day);
// The same day one month earlier or later, lowered to the month's last day.
QDate PreMonthDate(const QDate &date);
QDate NextMonthDate(const QDate &date);
QDate MonthFirstDay(const QDate &date);
QDate MonthLastDay(const QDate &date);
bool IsMonthLastDay(const QDate &date);
// Whole weeks since 1 January of the date's year, plus one.
int YearWeek(const QDate &date);

// A duration given in days as "59秒" or "1分1秒", counted in whole seconds.
QString LastTime(double days);

QDate GetDateFromInteger(int yyyymmdd);
QDate GetDateFromShortInt(int yymmdd);                  // years 2000 + yy
QDate GetDateFromString(const QString &text);           // y-m-d, or y/m/d when there is no "-"
QDate StringToDate(const QString &yyyymmdd);
QDateTime StringToDatetime(const QString &yyyymmddhh);
QDate StringToDate2(const QString &text);               // y-m-d or y/m/d, either separator

int PrePeriod(int period);
int NextPeriod(int period);
inline int PrevTaxPeriod(int period) { return PrePeriod(period); }
inline int NextTaxPeriod(int period) { return NextPeriod(period); }

// Six digits, year 2000 ... 2100, month 1 ... 12.
bool stringisYYYYMM(const QString &text);
int GenPeriodFromDate(const QDate &date);
QString GenStrDateFromPeriod(int period);                          // "yyyy-MM-01"
QString GetPeriodFirstDateFromSPeriod(const QString &period);      // "yyyy-MM-01", by text
QString GetPeriodLastDateFromSPeriod(const QString &period);       // "yyyy-MM-dd"
QDate GetPeriodLastDateFromSPeriodOfDate(const QString &period);
QString GetPrePeriodLastDateFromSPeriod(const QString &period);    // "yyyy-MM-dd"
QString GetNextFirstDateFromSPeriod(const QString &period);        // "yyyy-MM-dd"
