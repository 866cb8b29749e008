#include "core/db/MainDatabase.h"

#include "core/globals/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>
#include <unistd.h>

namespace {
const int kBusyTimeoutMs = 5000;
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
    // A statement meeting another program's write lock waits this long before it is refused.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    db.setDatabaseName(fileUri(path, access));
    if (!db.open())
        return false;
    if (!hasProgramTables(db)) {
        db.close();
        return false;
    }
    return true;
}

bool IsReadOnlyDatabase(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return false;
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
        if (connection && sqlite3_db_readonly(connection, "main") == 1)
            return true;
        const char *file = connection ? sqlite3_db_filename(connection, "main") : nullptr;
        if (file && *file) {
            // access() asks as the process may write: a root user still meets a read-only mount.
            const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
            return ::access(file, W_OK) != 0 || ::access(folder.constData(), W_OK) != 0;
        }
    }
    return false;
}

QString ReadOnlyDatabaseWarning()
{
    return QStringLiteral("数据库文件%1是只读的：单据可以查看和打印，但不能新增、修改或保存。"
                          "要保存单据，请退出程序，给数据库文件及其文件夹写入权限后再启动。")
        .arg(QDir::toNativeSeparators(MainDatabaseFile()));
}
