#include "core/spreadsheet/NumberFormatKind.h"

#include <QList>

#include <string_view>

namespace {
// Runs of the letters y, m, d, h, s in the order they stand, one letter per run.
QList<char> dateTimeRuns(const QString &code)
{
    QList<char> runs;
    const QString lower = code.toLower();
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower[i];
        if (c == QLatin1Char('"')) {
            const qsizetype close = lower.indexOf(QLatin1Char('"'), i + 1);
            i = close < 0 ? lower.size() : close;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = lower.indexOf(QLatin1Char(']'), i + 1);
            i = close < 0 ? lower.size() : close;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i; // the next character is shown (or padded) as it stands
        } else if (lower.mid(i, 5) == QLatin1String("am/pm")) {
            i += 4;
        } else if (lower.mid(i, 3) == QLatin1String("a/p")) {
            i += 2;
        } else if (c.unicode() < 128 && std::string_view("ymdhs").find(char(c.unicode())) != std::string_view::npos) {
            const char letter = char(c.unicode());
            if (runs.isEmpty() || runs.last() != letter || (i > 0 && lower[i - 1] != c))
                runs << letter;
        }
    }
    return runs;
}
} // namespace

SheetCell::Kind KindOfNumberFormat(const QString &formatCode)
{
    const QList<char> runs = dateTimeRuns(formatCode);
    bool date = false;
    bool time = false;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        switch (runs[i]) {
        case 'y':
        case 'd':
            date = true;
            break;
        case 'h':
        case 's':
            time = true;
            break;
        case 'm': {
            const bool minutes = (i > 0 && runs[i - 1] == 'h') || (i + 1 < runs.size() && runs[i + 1] == 's');
            (minutes ? time : date) = true;
            break;
        }
        }
    }
    if (date)
        return time ? SheetCell::Kind::DateTime : SheetCell::Kind::Date;
    return time ? SheetCell::Kind::Time : SheetCell::Kind::Number;
}

SheetCell::Kind KindOfBuiltInFormat(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54) || id == 57 || id == 58)
        return SheetCell::Kind::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || (id >= 45 && id <= 47) || id == 55 || id == 56)
        return SheetCell::Kind::Time;
    if (id == 22)
        return SheetCell::Kind::DateTime;
    return SheetCell::Kind::Number;
}
