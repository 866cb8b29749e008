#include "core/text/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray toGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

bool fitsGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text); // encoding runs on conversion
    Q_UNUSED(bytes);
    return !encoder.hasError();
}
