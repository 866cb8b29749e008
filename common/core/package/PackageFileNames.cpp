#include "core/package/PackageFileNames.h"

#include "core/text/GbkCodec.h"

#include <QList>

#include <algorithm>

namespace {
bool IsUnfit(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
}
}

bool IsPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::none_of(name.cbegin(), name.cend(), IsUnfit);
}

QString FileNameOfNote(const QString &noteName)
{
    QString name;
    for (const char32_t c : noteName.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        name += IsUnfit(one.front()) || (c >= 0x80 && !fitsGbk(one)) ? QStringLiteral("_") : one;
    }
    return name;
}
