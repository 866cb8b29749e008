#include "core/files/FileFilter.h"

#include <QRegularExpression>
#include <QStringList>

QString filePatternToQt(const QString &patterns)
{
    QStringList result;
    for (QString pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        result.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return result.isEmpty() ? QStringLiteral("*") : result.join(QLatin1Char(' '));
}

QString fileFilterToQt(const QString &filter)
{
    static const QRegularExpression trailingList(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingList);
        filters.append(QStringLiteral("%1 (%2)").arg(description.trimmed(), filePatternToQt(parts.at(i + 1))));
    }
    return filters.join(QStringLiteral(";;"));
}
