#include "backup/SideConnection.h"

#include <QUuid>

SideConnection::SideConnection()
    : m_name(QStringLiteral("side-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name))
{
}

SideConnection::~SideConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}
