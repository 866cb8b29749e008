#include "bills/cheques/ChequeNumbers.h"

#include "core/text/StrFun.h"

#include <algorithm>

namespace {

constexpr qsizetype kRunningLength = 3;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QStringList ChequeBookNumbers(const QString &startNo, int count)
{
    const qsizetype split = qMax<qsizetype>(0, startNo.size() - kRunningLength);
    const QString leading = startNo.left(split);
    const QString running = startNo.mid(split);
    // Only plain digits: a sign, a blank or a full-width digit is no cheque number.
    if (running.isEmpty() || !std::all_of(running.cbegin(), running.cend(), isAsciiDigit))
        throw ChequeNumberError(QStringLiteral("“%1”不是有效的整数").arg(running));
    const qint64 first = running.toLongLong();
    QStringList numbers;
    numbers.reserve(qMax(count, 0));
    for (int i = 0; i < count; ++i)
        numbers.append(leading + FixLenString(first + i, kRunningLength));
    return numbers;
}
