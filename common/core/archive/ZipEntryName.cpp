#include "core/archive/ZipEntryName.h"

#include "core/text/GbkCodec.h"

QString decodeEntryName(const QByteArray &raw, bool markedUtf8)
{
    return markedUtf8 ? QString::fromUtf8(raw) : fromGbk(raw);
}

QString safeEntryFileName(const QString &name)
{
    QString normalized = name;
    normalized.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString last = normalized.section(QLatin1Char('/'), -1);
    if (last.isEmpty() || last == QLatin1String(".") || last == QLatin1String(".."))
        return {};
    return last;
}
