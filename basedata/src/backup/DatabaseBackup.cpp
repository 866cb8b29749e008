#include "backup/DatabaseBackup.h"

#include "backup/BackupArchive.h"
#include "backup/SideConnection.h"
#include "core/archive/PasswordArchive.h"
#include "core/db/DatabaseFailure.h"
#include "core/db/MainDatabase.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QFile>
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
        return DatabaseFailureText(vacuum.lastError());
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
    // The copy holds the password hashes: readable by the owner only, from its creation on.
    if (QFile file(copy); !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)
        || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
        return ArchiveResult::failure(QStringLiteral("无法建立临时文件：%1").arg(copy));
    if (const QString problem = snapshot(databaseFile, copy); !problem.isEmpty())
        return ArchiveResult::failure(problem);

    return WriteArchiveOver({copy}, archive, BackupArchive::kPassword, QStringLiteral("请再备份一次"));
}
