#include "core/files/PendingFiles.h"

#include "core/db/AdoFunc.h"
#include "core/files/DurableFile.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString listFile()
{
    return ProgramFile(QStringLiteral("tmp/pending-files.txt"));
}

QStringList noted()
{
    QFile file(listFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

namespace PendingFiles {

QString note(const QString &relativePath)
{
    QStringList names = noted();
    if (names.contains(relativePath))
        return {};
    names.append(relativePath);
    QDir().mkpath(QFileInfo(listFile()).absolutePath());
    return WriteFileDurably(listFile(), names.join(QLatin1Char('\n')).toUtf8() + '\n');
}

bool isNamed(const QSqlDatabase &db, const QString &relativePath)
{
    const QString folder = relativePath.section(QLatin1Char('/'), 0, 0);
    const QString name = relativePath.section(QLatin1Char('/'), 1);
    const QString column = folder == QLatin1String("icons") ? QStringLiteral("smallpic") : QStringLiteral("ImgFile");
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where %1 = ?").arg(column), {name});
}

void settle(const QSqlDatabase &db)
{
    const QStringList names = noted();
    bool allSettled = true;
    for (const QString &name : names) {
        const QString path = ProgramFile(name);
        if (QFileInfo::exists(path) && !isNamed(db, name) && !QFile::remove(path))
            allSettled = false;
    }
    if (allSettled)
        QFile::remove(listFile());
}

}
