#include "bills/cheques/ChequeNumbers.h"

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Adds one to the digits in place; false when every digit is a 9 (the width would grow).
bool countUp(QString &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return true;
        }
        digits[i] = QLatin1Char('0');
    }
    return false;
}

} // namespace

ChequeNumbers ChequeBookNumbers(const QString &startNo, int count)
{
    qsizetype runStart = startNo.size();
    while (runStart > 0 && isAsciiDigit(startNo[runStart - 1]))
        --runStart;
    if (runStart == startNo.size())
        return {ChequeNumbers::NoRunningDigits, {}};

    const QString leading = startNo.left(runStart);
    QString running = startNo.mid(runStart);
    ChequeNumbers result;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !countUp(running))
            return {ChequeNumbers::WidthOverflow, {}};
        result.numbers.append(leading + running);
    }
    return result;
}
