#include "backup/DatabaseRestore.h"

#include "backup/BackupArchive.h"
#include "backup/BackupSchemaCheck.h"
#include "backup/SideConnection.h"
#include "core/archive/PasswordArchive.h"
#include "core/db/DatabaseUseLock.h"
#include "core/db/MainDatabase.h"
#include "core/files/DurableFile.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// The database file and the files SQLite may keep beside it; a journal left beside the
// restored file would be played into it.
const char *const kFileSuffixes[] = {"", "-journal", "-wal", "-shm"};

RestoreResult refused(const QString &why)
{
    return {RestoreResult::ArchiveRefused, why};
}

// Empty when the file is an intact database of this program whose tables and columns fit this
// version (CheckBackupSchema); else why not, and whether it differs (rather than is no backup).
RestoreResult programDatabaseFault(const QString &file)
{
    SideConnection side;
    if (!OpenDatabaseFile(side.db(), file, DatabaseAccess::ReadOnly))
        return refused(QStringLiteral("备份文件中不是本程序的数据库"));
    QSqlQuery check(side.db());
    if (!(check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
          && check.value(0).toString() == QLatin1String("ok") && !check.next()))
        return refused(QStringLiteral("备份文件中的数据库已损坏"));
    const BackupSchemaFit fit = CheckBackupSchema(side.db());
    switch (fit.outcome) {
    case BackupSchemaFit::Fits:
        return {RestoreResult::Restored, QString()};
    case BackupSchemaFit::NotOurs:
        return refused(fit.reason);
    case BackupSchemaFit::Differs:
        break;
    }
    return {RestoreResult::SchemaDiffers, fit.reason};
}

// The restored file takes the place of the live one in one rename; a safety copy of the live
// file is made first and removed once the restored file has opened. A start after a crash in
// between keeps whichever of the two is intact (ResolveInterruptedRestore).
RestoreResult swapIn(const QString &restored, const QString &target, QSqlDatabase &connection)
{
    const QString safety = target + QStringLiteral(".before-restore");
    connection.close();
    const QFile::Permissions mode = QFileInfo(target).permissions();
    if (const QString problem = CopyFileDurably(target, safety, 0600); !problem.isEmpty()) {
        OpenDatabaseFile(connection, target);
        return {RestoreResult::NotReplaced, QStringLiteral("无法保存当前的数据库文件：%1").arg(problem)};
    }
    QFile::setPermissions(restored, mode);
    // A journal beside the target belongs to the old file and must never be played into the new one.
    for (const char *suffix : kFileSuffixes)
        if (*suffix)
            QFile::remove(target + QLatin1String(suffix));
    if (const QString problem = RenameDurably(restored, target); !problem.isEmpty()) {
        QFile::remove(safety);
        OpenDatabaseFile(connection, target);
        return {RestoreResult::NotReplaced, QStringLiteral("无法放入恢复的数据库文件，原数据库未改变（%1）").arg(problem)};
    }
    if (OpenDatabaseFile(connection, target)) {
        QFile::remove(safety);
        return {RestoreResult::Restored, QString()};
    }
    if (RenameDurably(safety, target).isEmpty() && OpenDatabaseFile(connection, target))
        return {RestoreResult::NotReplaced, QStringLiteral("恢复的数据库文件无法打开，原数据库未改变")};
    return {RestoreResult::NotReplaced,
            QStringLiteral("无法放回原数据库文件，它保存在%1，请重新启动程序前将它改名为%2")
                .arg(safety, QFileInfo(target).fileName())};
}

} // namespace

RestoreResult RestoreDatabase(const QString &archive, QSqlDatabase &connection)
{
    if (archive.trimmed().isEmpty() || !QFileInfo(archive).isFile())
        return refused(QStringLiteral("备份文件不存在：%1").arg(archive));
    // The other program would go on writing into the file replaced under it.
    const DatabaseUseLock::Alone alone(MainDatabaseFile());
    if (!alone.held())
        return {RestoreResult::DatabaseInUse, DatabaseUseLock::OtherProgramRunningText()};
    const QString tmpFolder = ProgramFile(QStringLiteral("tmp"));
    QDir().mkpath(tmpFolder);
    QTemporaryDir work(QDir(tmpFolder).filePath(QStringLiteral("restore-XXXXXX")));
    if (!work.isValid())
        return refused(QStringLiteral("无法建立临时文件夹：%1").arg(tmpFolder));
    const ArchiveResult unzipped = UnZipFiles(archive, work.path(), BackupArchive::kPassword);
    if (!unzipped)
        return refused(unzipped.reason);
    if (unzipped.names.size() != 1)
        return refused(QStringLiteral("备份文件应只含一个数据库文件"));
    const QString restored = QDir(work.path()).filePath(unzipped.names.first());
    // Checked before the live file is touched: a backup of another schema would make later saves fail.
    if (const RestoreResult fault = programDatabaseFault(restored); fault.outcome != RestoreResult::Restored)
        return fault;
    return swapIn(restored, MainDatabaseFile(), connection);
}
