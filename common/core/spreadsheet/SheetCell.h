#pragma once

#include <QDateTime>
#include <QString>

// One cell of a sheet, read from a spreadsheet file or to be written into one.
//
// Numbers keep the double the file holds and give its shortest decimal text that reads back
// to the same double ("1234567.89", "6222021234567890"), never an exponent for ordinary sizes.
// An amount is a number made from an exact count of ten-thousandths; its text is exact and the
// writer gives it a money format.
class SheetCell
{
public:
    enum class Kind { Empty, Text, Number, Boolean, Date, DateTime, Time, Error };

    SheetCell() = default;
    static SheetCell text(const QString &text);
    static SheetCell number(double value);
    static SheetCell amount(qint64 tenThousandths);
    static SheetCell boolean(bool value);
    static SheetCell date(QDate date);
    static SheetCell dateTime(const QDateTime &dateTime);
    static SheetCell time(QTime time);
    static SheetCell error(const QString &code); // "#DIV/0!", "#N/A" ...

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isAmount() const { return m_amount; }

    // Text and error cells: their text.
    const QString &textValue() const { return m_text; }
    // Number and boolean cells (true = 1).
    double numberValue() const { return m_number; }
    // Number cells: the shortest decimal text of the value (exact for amounts).
    QString decimalText() const;
    bool booleanValue() const { return m_number != 0; }
    // Date, date-time and time cells (a time stands on no particular day).
    QDate dateValue() const { return m_dateTime.date(); }
    QTime timeValue() const { return m_dateTime.time(); }
    const QDateTime &dateTimeValue() const { return m_dateTime; }

    // The value as one text, for a column that stores text: numbers by decimalText(), dates
    // "yyyy-MM-dd", date-times "yyyy-MM-dd hh:mm:ss", times "hh:mm:ss", booleans "TRUE"/"FALSE".
    QString toText() const;

    bool operator==(const SheetCell &other) const;

private:
    SheetCell(Kind kind, double number, QString text, QDateTime dateTime);

    Kind m_kind = Kind::Empty;
    bool m_amount = false;
    double m_number = 0;
    QString m_text;
    QDateTime m_dateTime;
};

// The shortest decimal text that reads back to the same double, without exponent unless the
// value is very large or very small.
QString ShortestDecimalText(double value);
