#include "backup/DatabaseRestore.h"

#include "backup/BackupArchive.h"
#include "backup/FileMoves.h"
#include "backup/SideConnection.h"
#include "core/archive/PasswordArchive.h"
#include "core/db/MainDatabase.h"
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

bool isIntactProgramDatabase(const QString &file)
{
    SideConnection side;
    if (!OpenDatabaseFile(side.db(), file, DatabaseAccess::ReadOnly))
        return false;
    QSqlQuery check(side.db());
    return check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
        && check.value(0).toString() == QLatin1String("ok") && !check.next();
}

// Moves the database file and its companions from one name to another; false when a file
// that exists could not be moved (those moved so far are moved back).
bool moveDatabaseFiles(const QString &from, const QString &to)
{
    QStringList moved;
    for (const char *suffix : kFileSuffixes) {
        const QString source = from + QLatin1String(suffix);
        if (!QFileInfo::exists(source))
            continue;
        if (!MoveFileOver(source, to + QLatin1String(suffix))) {
            for (const QString &done : moved)
                MoveFileOver(to + done, from + done);
            return false;
        }
        moved.append(QLatin1String(suffix));
    }
    return true;
}

RestoreResult swapIn(const QString &restored, const QString &target, QSqlDatabase &connection)
{
    const QString safety = target + QStringLiteral(".before-restore");
    connection.close();
    for (const char *suffix : kFileSuffixes)
        QFile::remove(safety + QLatin1String(suffix));
    if (!moveDatabaseFiles(target, safety)) {
        OpenDatabaseFile(connection, target);
        return {RestoreResult::NotReplaced, QStringLiteral("无法移开当前的数据库文件：%1").arg(target)};
    }
    if (MoveFileOver(restored, target) && OpenDatabaseFile(connection, target)) {
        for (const char *suffix : kFileSuffixes)
            QFile::remove(safety + QLatin1String(suffix));
        return {RestoreResult::Restored, QString()};
    }
    connection.close();
    for (const char *suffix : kFileSuffixes)
        QFile::remove(target + QLatin1String(suffix));
    if (moveDatabaseFiles(safety, target) && OpenDatabaseFile(connection, target))
        return {RestoreResult::NotReplaced, QStringLiteral("无法放入恢复的数据库文件，原数据库未改变")};
    return {RestoreResult::NotReplaced,
            QStringLiteral("无法放回原数据库文件，它保存在%1，请重新启动程序前将它改名为%2")
                .arg(safety, QFileInfo(target).fileName())};
}

} // namespace

RestoreResult RestoreDatabase(const QString &archive, QSqlDatabase &connection)
{
    if (archive.trimmed().isEmpty() || !QFileInfo(archive).isFile())
        return refused(QStringLiteral("备份文件不存在：%1").arg(archive));
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
    if (!isIntactProgramDatabase(restored))
        return refused(QStringLiteral("备份文件中不是本程序的数据库"));
    return swapIn(restored, MainDatabaseFile(), connection);
}
