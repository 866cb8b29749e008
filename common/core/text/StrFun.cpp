#include "core/text/StrFun.h"

#include <QRandomGenerator>

QString AddDoubleChar(const QString &text, QChar c)
{
    QString result = text;
    return result.replace(c, QString(2, c));
}

QString Randomstring(int length)
{
    static const QString symbols = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz");
    QString result;
    result.reserve(qMax(length, 0));
    for (int i = 0; i < length; ++i)
        result.append(symbols.at(QRandomGenerator::global()->bounded(int(symbols.size()))));
    return result;
}

QString FixLenString(qint64 number, quint16 width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}
