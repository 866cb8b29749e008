#include "core/convert/DateFun.h"

#include "core/convert/DateConvertError.h"

#include <QList>
#include <algorithm>
#include <cmath>

namespace {

const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

[[noreturn]] void ThrowNotADate(const QString &source)
{
    throw DateConvertError(QStringLiteral("“%1”不是有效的日期").arg(source));
}

QDate MakeDate(int year, int month, int day, const QString &source)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        ThrowNotADate(source);
    return date;
}

QString PartsText(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);
}

// Plain decimal digits only: no sign, no blanks.
int ParseDigits(QStringView digits, const QString &source)
{
    if (digits.isEmpty() || digits.size() > 9
        || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        ThrowNotADate(source);
    return digits.toInt();
}

QDate ParseYearMonthDay(const QString &text, const QList<QChar> &separators)
{
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.contains(text[i])) {
            parts.append(QStringView(text).mid(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() != 3)
        ThrowNotADate(text);
    return MakeDate(ParseDigits(parts[0], text), ParseDigits(parts[1], text), ParseDigits(parts[2], text), text);
}

// A digit text of a fixed length, read as fields of the given widths.
QList<int> ParseFixedFields(const QString &text, std::initializer_list<int> widths)
{
    int length = 0;
    for (int width : widths)
        length += width;
    if (text.size() != length)
        ThrowNotADate(text);
    QList<int> fields;
    int start = 0;
    for (int width : widths) {
        fields.append(ParseDigits(QStringView(text).mid(start, width), text));
        start += width;
    }
    return fields;
}

QDate PeriodFirstDay(const QString &period)
{
    const QList<int> fields = ParseFixedFields(period, {4, 2});
    return MakeDate(fields[0], fields[1], 1, period);
}

} // namespace

int Hour(const QDateTime &dateTime) { return dateTime.time().hour(); }
int Minute(const QDateTime &dateTime) { return dateTime.time().minute(); }
int Second(const QDateTime &dateTime) { return dateTime.time().second(); }
int Year(const QDate &date) { return date.year(); }
int Month(const QDate &date) { return date.month(); }
int Day(const QDate &date) { return date.day(); }

QString WeekStr(const QDate &date)
{
    static const QString names[7] = {QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"),
                                     QStringLiteral("三"), QStringLiteral("四"), QStringLiteral("五"),
                                     QStringLiteral("六")};
    return date.isValid() ? names[date.dayOfWeek() % 7] : QString();
}

int MonthMaxDay(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        ThrowNotADate(PartsText(year, month, 1));
    return month == 2 && QDate::isLeapYear(year) ? 29 : lengths[month - 1];
}

QDate ValidMonthDay(int year, int month, int day)
{
    return MakeDate(year, month, std::min(day, MonthMaxDay(year, month)), PartsText(year, month, day));
}

QDate PreMonthDate(const QDate &date)
{
    const bool january = date.month() == 1;
    return ValidMonthDay(january ? date.year() - 1 : date.year(), january ? 12 : date.month() - 1, date.day());
}

QDate NextMonthDate(const QDate &date)
{
    const bool december = date.month() == 12;
    return ValidMonthDay(december ? date.year() + 1 : date.year(), december ? 1 : date.month() + 1, date.day());
}

QDate MonthFirstDay(const QDate &date)
{
    return MakeDate(date.year(), date.month(), 1, PartsText(date.year(), date.month(), date.day()));
}

QDate MonthLastDay(const QDate &date)
{
    return ValidMonthDay(date.year(), date.month(), 31);
}

bool IsMonthLastDay(const QDate &date)
{
    return date.day() == MonthMaxDay(date.year(), date.month());
}

int YearWeek(const QDate &date)
{
    return int(MakeDate(date.year(), 1, 1, PartsText(date.year(), date.month(), date.day())).daysTo(date) / 7) + 1;
}

QString LastTime(double days)
{
    // Whole milliseconds first: 61 s held in days is 60.99999... s and must not lose a second.
    const qint64 seconds = std::llround(days * 86400000.0) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1秒").arg(seconds % 60);
    return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60);
}

QDate GetDateFromInteger(int yyyymmdd)
{
    return MakeDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100, QString::number(yyyymmdd));
}

QDate GetDateFromShortInt(int yymmdd)
{
    return MakeDate(2000 + yymmdd / 10000, yymmdd / 100 % 100, yymmdd % 100, QString::number(yymmdd));
}

QDate GetDateFromString(const QString &text)
{
    return ParseYearMonthDay(text, {text.contains(u'-') ? u'-' : u'/'});
}

QDate StringToDate(const QString &yyyymmdd)
{
    const QList<int> f = ParseFixedFields(yyyymmdd, {4, 2, 2});
    return MakeDate(f[0], f[1], f[2], yyyymmdd);
}

QDateTime StringToDatetime(const QString &yyyymmddhh)
{
    const QList<int> f = ParseFixedFields(yyyymmddhh, {4, 2, 2, 2});
    if (f[3] > 23)
        ThrowNotADate(yyyymmddhh);
    return QDateTime(MakeDate(f[0], f[1], f[2], yyyymmddhh), QTime(f[3], 0));
}

QDate StringToDate2(const QString &text)
{
    return ParseYearMonthDay(text, {u'-', u'/'});
}

int PrePeriod(int period)
{
    return period % 100 == 1 ? (period / 100 - 1) * 100 + 12 : period - 1;
}

int NextPeriod(int period)
{
    return period % 100 == 12 ? (period / 100 + 1) * 100 + 1 : period + 1;
}

bool stringisYYYYMM(const QString &text)
{
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    const int year = QStringView(text).left(4).toInt();
    const int month = QStringView(text).mid(4).toInt();
    return year >= 2000 && year <= 2100 && month >= 1 && month <= 12;
}

int GenPeriodFromDate(const QDate &date)
{
    return date.year() * 100 + date.month();
}

QString GenStrDateFromPeriod(int period)
{
    return MakeDate(period / 100, period % 100, 1, QString::number(period)).toString(kIsoDate);
}

QString GetPeriodFirstDateFromSPeriod(const QString &period)
{
    return period.left(4) + u'-' + period.mid(4, 2) + QStringLiteral("-01");
}

QString GetPeriodLastDateFromSPeriod(const QString &period)
{
    return GetPeriodLastDateFromSPeriodOfDate(period).toString(kIsoDate);
}

QDate GetPeriodLastDateFromSPeriodOfDate(const QString &period)
{
    return MonthLastDay(PeriodFirstDay(period));
}

QString GetPrePeriodLastDateFromSPeriod(const QString &period)
{
    return PeriodFirstDay(period).addDays(-1).toString(kIsoDate);
}

QString GetNextFirstDateFromSPeriod(const QString &period)
{
    return PeriodFirstDay(period).addMonths(1).toString(kIsoDate);
}
