#pragma once

#include <QSqlDatabase>
#include <QString>

// All-or-nothing for a group of statements, DDL included. A savepoint nests inside a
// transaction the caller may already have open; without one it is a transaction of its own.
// Whatever is not released by release() is rolled back when the object goes.
class SqlSavepoint
{
public:
    SqlSavepoint(const QSqlDatabase &db, const QString &name);
    ~SqlSavepoint();
    SqlSavepoint(const SqlSavepoint &) = delete;
    SqlSavepoint &operator=(const SqlSavepoint &) = delete;

    void release();

private:
    QSqlDatabase m_db;
    QString m_name;
    bool m_open = true;
};
