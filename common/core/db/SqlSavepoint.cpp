#include "core/db/SqlSavepoint.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"

SqlSavepoint::SqlSavepoint(const QSqlDatabase &db, const QString &name) : m_db(db), m_name(SqlName(name))
{
    ExecTmpQuery(m_db, QStringLiteral("savepoint %1").arg(m_name));
}

SqlSavepoint::~SqlSavepoint()
{
    if (!m_open)
        return;
    try {
        ExecTmpQuery(m_db, QStringLiteral("rollback to %1").arg(m_name));
        ExecTmpQuery(m_db, QStringLiteral("release %1").arg(m_name));
    } catch (...) {
        // A destructor must not throw; the connection reports the state on its next statement.
    }
}

void SqlSavepoint::release()
{
    ExecTmpQuery(m_db, QStringLiteral("release %1").arg(m_name));
    m_open = false;
}
