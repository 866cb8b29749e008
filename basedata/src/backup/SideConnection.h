#pragma once

#include <QSqlDatabase>

// A connection of its own for one job on a database file beside CurAdo (reading the file for a
// backup, checking a restored file); removed again when it goes.
class SideConnection
{
public:
    SideConnection();
    ~SideConnection();

    SideConnection(const SideConnection &) = delete;
    SideConnection &operator=(const SideConnection &) = delete;

    QSqlDatabase &db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};
