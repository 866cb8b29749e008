#include "core/printfun/ProgramSubDir.h"

#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>

QString CreateProgSubDir(const QString &name)
{
    const QString path = ProgramFolderPath() + name;
    if (!QDir().mkpath(path))
        throw CorvaneError(QStringLiteral("不能创建目录%1").arg(QDir::toNativeSeparators(path)));
    return path;
}
