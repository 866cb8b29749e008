#include "core/package/PackageFileNames.h"

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
    QString name = noteName;
    std::replace_if(name.begin(), name.end(), IsUnfit, QLatin1Char('_'));
    return name;
}
