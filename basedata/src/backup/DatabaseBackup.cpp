#include "backup/DatabaseBackup.h"

#include "backup/BackupArchive.h"
#include "backup/SideConnection.h"
#include "core/archive/PasswordArchive.h"
#include "core/archive/StreamArchive.h"
#include "core/db/CommittedFileReader.h"
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
QString snapshot(SideConnection &side, const QString &copy)
{
    QSqlQuery vacuum(side.db());
    vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
    vacuum.addBindValue(copy);
    if (!vacuum.exec())
        return DatabaseFailureText(vacuum.lastError());
    return {};
}

// Through a copy in tmp/: a database in WAL mode (its file alone is not the database) or one too
// large for the streamed archive.
ArchiveResult backupThroughCopy(SideConnection &side, const QString &databaseFile, const QString &archive)
{
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
    if (const QString problem = snapshot(side, copy); !problem.isEmpty())
        return ArchiveResult::failure(problem);
    return WriteArchiveOver({copy}, archive, BackupArchive::kPassword, QStringLiteral("请再备份一次"));
}
}

ArchiveResult BackupDatabase(const QString &databaseFile, const QString &archive)
{
    if (QFileInfo(archive).exists() && QFileInfo(archive).canonicalFilePath() == QFileInfo(databaseFile).canonicalFilePath())
        return ArchiveResult::failure(QStringLiteral("备份文件不能是数据库文件本身"));
    SideConnection side;
    if (!OpenDatabaseFile(side.db(), databaseFile, DatabaseAccess::ReadOnly))
        return ArchiveResult::failure(QStringLiteral("无法读取数据库文件：%1").arg(databaseFile));
    // The file itself is streamed into the archive while a read transaction holds it as committed.
    CommittedFileReader file(side.db());
    if (const QString problem = file.begin(); !problem.isEmpty())
        return ArchiveResult::failure(problem);
    if (!file.whole() || file.size() > kStreamArchiveMaxSize) {
        file.end();
        return backupThroughCopy(side, databaseFile, archive);
    }
    StreamSource source;
    source.entryName = QFileInfo(databaseFile).fileName();
    source.size = file.size();
    source.read = [&file](qint64 offset, char *buffer, qint64 length) { return file.read(offset, buffer, length); };
    return WriteStreamArchiveOver(source, archive, BackupArchive::kPassword, QStringLiteral("请再备份一次"));
}
