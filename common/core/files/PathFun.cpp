#include "core/files/PathFun.h"

#include "core/files/FileFilter.h"

#include <QDir>
#include <QFile>

int DeleteDirFiles(const QString &folder, const QString &pattern)
{
    QDir dir(folder);
    dir.setNameFilters(filePatternToQt(pattern).split(QLatin1Char(' ')));
    dir.setFilter(QDir::Files | QDir::Hidden);
    int result = 0;
    for (const QString &name : dir.entryList()) {
        if (!QFile::remove(dir.filePath(name)))
            result = -1;
    }
    return result;
}

QString TruncPathSplash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

QString PathAddSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}
