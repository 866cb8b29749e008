#include "core/db/CommittedFileReader.h"

#include <QSqlDriver>
#include <QVariant>

#include <algorithm>

#include <sqlite3.h>

namespace {

QString sqliteFailure(sqlite3 *db)
{
    return QStringLiteral("无法读取数据库文件：%1").arg(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

CommittedFileReader::CommittedFileReader(const QSqlDatabase &db) : m_db(db)
{
    const QVariant handle = m_db.isOpen() ? m_db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        m_handle = *static_cast<sqlite3 *const *>(handle.constData());
}

CommittedFileReader::~CommittedFileReader()
{
    end();
}

QString CommittedFileReader::begin()
{
    if (!m_handle)
        return QStringLiteral("无法读取数据库文件");
    if (sqlite3_exec(m_handle, "begin", nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqliteFailure(m_handle);
    m_open = true;
    // Reading the schema takes the shared lock that holds the file still until the end.
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, "select count(*) from sqlite_master", -1, &statement, nullptr) != SQLITE_OK
        || sqlite3_step(statement) != SQLITE_ROW) {
        sqlite3_finalize(statement);
        return sqliteFailure(m_handle);
    }
    sqlite3_finalize(statement);
    if (sqlite3_prepare_v2(m_handle, "pragma journal_mode", -1, &statement, nullptr) != SQLITE_OK
        || sqlite3_step(statement) != SQLITE_ROW) {
        sqlite3_finalize(statement);
        return sqliteFailure(m_handle);
    }
    const QByteArray mode = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))).toLower();
    sqlite3_finalize(statement);
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(m_handle, "main", SQLITE_FCNTL_FILE_POINTER, &m_file) != SQLITE_OK || !m_file
        || !m_file->pMethods || m_file->pMethods->xFileSize(m_file, &size) != SQLITE_OK)
        return sqliteFailure(m_handle);
    m_size = size;
    m_whole = mode != "wal";
    return {};
}

void CommittedFileReader::end()
{
    if (m_open)
        sqlite3_exec(m_handle, "rollback", nullptr, nullptr, nullptr);
    m_open = false;
    m_file = nullptr;
}

QString CommittedFileReader::read(qint64 offset, char *buffer, qint64 length) const
{
    if (!m_open || !m_file)
        return QStringLiteral("无法读取数据库文件");
    // SQLite's reads stay below 2 GiB each.
    while (length > 0) {
        const int piece = int(std::min<qint64>(length, 1 << 30));
        if (m_file->pMethods->xRead(m_file, buffer, piece, offset) != SQLITE_OK)
            return sqliteFailure(m_handle);
        buffer += piece;
        offset += piece;
        length -= piece;
    }
    return {};
}
