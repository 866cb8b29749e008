#include "core/files/Leftovers.h"

#include "core/db/MainDatabase.h"
#include "core/files/DurableFile.h"
#include "core/files/PendingFiles.h"
#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>

namespace {

const char *const kCompanions[] = {"-journal", "-wal", "-shm"};
// Folders whose hidden files are ours: staging copies of interrupted writes.
const char *const kStagingFolders[] = {"data", "images", "icons", "backup", "download", "upload"};

bool isIntactDatabase(const QString &path)
{
    const QString name = QStringLiteral("leftovers-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool intact = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (OpenDatabaseFile(db, path, DatabaseAccess::ReadWrite)) {
            QSqlQuery check(db);
            intact = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return intact;
}

void removeWithCompanions(const QString &path)
{
    QFile::remove(path);
    for (const char *suffix : kCompanions)
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

void ResolveInterruptedRestore()
{
    const QString database = MainDatabaseFile();
    const QString safety = database + QStringLiteral(".before-restore");
    if (!QFileInfo::exists(safety))
        return;
    if (isIntactDatabase(database)) {
        removeWithCompanions(safety);
        return;
    }
    if (isIntactDatabase(safety)) {
        for (const char *suffix : kCompanions)
            QFile::remove(database + QLatin1String(suffix));
        RenameDurably(safety, database);
    }
}

void RemoveLeftovers(const QSqlDatabase &db)
{
    // The open has read the database, so a journal that was hot is played back and gone; one
    // still there is a stub a kill left before the database was touched.
    if (db.isOpen())
        QFile::remove(MainDatabaseFile() + QStringLiteral("-journal"));
    PendingFiles::settle(db);
    const QDir tmp(ProgramFile(QStringLiteral("tmp")));
    for (const QFileInfo &entry : tmp.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
    for (const char *folder : kStagingFolders) {
        const QDir dir(ProgramFile(QLatin1String(folder)));
        for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
            if (entry.fileName().startsWith(QLatin1Char('.')))
                QFile::remove(entry.filePath());
    }
}
