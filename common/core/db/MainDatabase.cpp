#include "core/db/MainDatabase.h"

#include "core/globals/ProgramFolder.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

namespace {
// Tables every database of the program has.
const char *const kProbes[] = {"select count(*) from Bs_User", "select count(*) from Bs_SysSet"};

QString fileUri(const QString &path, DatabaseAccess access)
{
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setScheme(QStringLiteral("file"));
    // mode=rw and mode=ro never create a missing file.
    return uri.toString(QUrl::FullyEncoded)
        + (access == DatabaseAccess::ReadOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

bool hasProgramTables(const QSqlDatabase &db)
{
    QSqlQuery probe(db);
    for (const char *sql : kProbes)
        if (!probe.exec(QLatin1String(sql)))
            return false;
    return true;
}
}

QString MainDatabaseFile()
{
    return ProgramFile(QStringLiteral("data/data.db"));
}

bool OpenDatabaseFile(QSqlDatabase &db, const QString &path, DatabaseAccess access)
{
    db.close();
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(fileUri(path, access));
    if (!db.open())
        return false;
    if (!hasProgramTables(db)) {
        db.close();
        return false;
    }
    return true;
}
