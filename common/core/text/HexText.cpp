#include "core/text/HexText.h"

#include "core/text/GbkCodec.h"

namespace {
int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}
}

QString StringToHex(const QString &text)
{
    return QString::fromLatin1(toGbk(text).toHex().toUpper());
}

QString hextostring(const QString &hex)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2)
        bytes.append(char(hexDigitValue(hex.at(i)) * 16 + hexDigitValue(hex.at(i + 1))));
    return fromGbk(bytes);
}
