#include "backup/FileMoves.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>

namespace {
bool renameOver(const QString &source, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).toStdString(), QFile::encodeName(target).toStdString(), error);
    return !error;
}
}

bool MoveFileOver(const QString &source, const QString &target)
{
    if (renameOver(source, target))
        return true;
    const QFileInfo targetInfo(target);
    QTemporaryFile copy(targetInfo.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(targetInfo.fileName())));
    QFile from(source);
    if (!copy.open() || !from.open(QIODevice::ReadOnly))
        return false;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(1 << 20);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size())
            return false;
    }
    if (!copy.flush() || !renameOver(copy.fileName(), target))
        return false;
    copy.setAutoRemove(false);
    from.close();
    QFile::remove(source);
    return true;
}
