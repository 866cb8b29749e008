#pragma once

#include <QSqlDatabase>
#include <QString>

struct sqlite3;
struct sqlite3_file;

// The bytes of an open SQLite database file as committed, read through SQLite's own handle of
// the file while a read transaction keeps writers from changing it (so a backup streams the file
// itself instead of a copy). Only a file in rollback-journal mode is whole on its own; in WAL
// mode committed pages may still lie in the log, and `whole()` is false.
class CommittedFileReader
{
public:
    explicit CommittedFileReader(const QSqlDatabase &db);
    ~CommittedFileReader();
    CommittedFileReader(const CommittedFileReader &) = delete;
    CommittedFileReader &operator=(const CommittedFileReader &) = delete;

    // Starts the read transaction; the reason of a failure, or an empty text.
    QString begin();
    // Ends it (also done when the reader goes).
    void end();

    bool whole() const { return m_whole; }
    qint64 size() const { return m_size; }
    // Reads `length` bytes at `offset`; the reason of a failure, or an empty text.
    QString read(qint64 offset, char *buffer, qint64 length) const;

private:
    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    sqlite3_file *m_file = nullptr;
    bool m_open = false;
    bool m_whole = false;
    qint64 m_size = 0;
};
