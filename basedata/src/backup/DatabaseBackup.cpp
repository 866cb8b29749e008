#include "backup/DatabaseBackup.h"

#include "backup/BackupArchive.h"
#include "backup/FileMoves.h"
#include "backup/SideConnection.h"
#include "core/archive/PasswordArchive.h"
#include "core/db/MainDatabase.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
// The database as committed, into `copy`.
QString snapshot(const QString &databaseFile, const QString &copy)
{
    SideConnection side;
    if (!OpenDatabaseFile(side.db(), databaseFile, DatabaseAccess::ReadOnly))
        return QStringLiteral("无法读取数据库文件：%1").arg(databaseFile);
    QSqlQuery vacuum(side.db());
    vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
    vacuum.addBindValue(copy);
    if (!vacuum.exec())
        return vacuum.lastError().text();
    return {};
}
}

ArchiveResult BackupDatabase(const QString &databaseFile, const QString &archive)
{
    if (QFileInfo(archive).exists() && QFileInfo(archive).canonicalFilePath() == QFileInfo(databaseFile).canonicalFilePath())
        return ArchiveResult::failure(QStringLiteral("备份文件不能是数据库文件本身"));
    const QString tmpFolder = ProgramFile(QStringLiteral("tmp"));
    QDir().mkpath(tmpFolder);
    QTemporaryDir work(QDir(tmpFolder).filePath(QStringLiteral("backup-XXXXXX")));
    if (!work.isValid())
        return ArchiveResult::failure(QStringLiteral("无法建立临时文件夹：%1").arg(tmpFolder));
    // The entry is named after the database file.
    const QString copy = work.filePath(QFileInfo(databaseFile).fileName());
    if (const QString problem = snapshot(databaseFile, copy); !problem.isEmpty())
        return ArchiveResult::failure(problem);

    const QFileInfo target(archive);
    if (target.isDir())
        return ArchiveResult::failure(QStringLiteral("同名文件夹已存在：%1").arg(archive));
    if (!target.absoluteDir().exists())
        return ArchiveResult::failure(QStringLiteral("文件夹不存在：%1").arg(target.absolutePath()));
    // Built aside and moved over the target only when complete.
    const QString partial = work.filePath(QStringLiteral("archive.") + BackupArchive::kExtension);
    ArchiveResult zipped = ZipFileLists({copy}, partial, BackupArchive::kPassword);
    if (!zipped)
        return zipped;
    if (!MoveFileOver(partial, target.absoluteFilePath()))
        return ArchiveResult::failure(QStringLiteral("无法写入文件：%1").arg(archive));
    return zipped;
}
