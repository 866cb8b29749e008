#include "core/db/Transaction.h"

#include "core/db/DatabaseFailure.h"

#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

// Innermost open scope per connection name.
QHash<QString, Transaction *> &innermost()
{
    static QHash<QString, Transaction *> scopes;
    return scopes;
}

bool inTransaction(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    return connection && sqlite3_get_autocommit(connection) == 0;
}

void runAll(std::vector<std::function<void()>> &actions)
{
    auto pending = std::move(actions);
    actions.clear();
    for (auto &action : pending)
        action();
}

} // namespace

Transaction::Transaction() : Transaction(CurAdo) {}

Transaction::Transaction(const QSqlDatabase &db) : m_db(db)
{
    if (!m_db.isValid() || !m_db.isOpen())
        throw DatabaseError(QStringLiteral("数据库连接未打开"));
    Transaction *&top = innermost()[m_db.connectionName()];
    m_parent = top;
    if (!m_parent && !inTransaction(m_db)) {
        m_ownsTransaction = true;
        // Takes the write lock at once: a deferred transaction that has read first is refused
        // at its first write, without waiting, while another program writes.
        run(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        static quint64 counter = 0;
        m_savepoint = QStringLiteral("corvane_sp%1").arg(++counter);
        run(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    top = this;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        rollback();
    } catch (...) {
        // Nothing can be reported from a destructor; the database rolls back on close.
    }
}

void Transaction::run(const QString &statement)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement))
        throw DatabaseError(DatabaseFailureText(query.lastError()));
}

void Transaction::commit()
{
    if (!m_open)
        throw CorvaneError(QStringLiteral("事务已经结束"));
    try {
        run(m_ownsTransaction ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_savepoint);
    } catch (...) {
        // The commit's own error is the one to report, not a failure of the rollback after it.
        try {
            rollback();
        } catch (...) {
        }
        throw;
    }
    m_open = false;
    innermost()[m_db.connectionName()] = m_parent;
    if (m_parent) {
        for (auto &action : m_onCommit)
            m_parent->m_onCommit.push_back(std::move(action));
        for (auto &action : m_onRollback)
            m_parent->m_onRollback.push_back(std::move(action));
        m_onCommit.clear();
        m_onRollback.clear();
        return;
    }
    m_onRollback.clear();
    runAll(m_onCommit);
}

void Transaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    innermost()[m_db.connectionName()] = m_parent;
    try {
        if (m_ownsTransaction) {
            // A full disk or an I/O error may have ended the transaction already.
            if (inTransaction(m_db))
                run(QStringLiteral("ROLLBACK"));
        } else {
            run(QStringLiteral("ROLLBACK TO ") + m_savepoint);
            run(QStringLiteral("RELEASE ") + m_savepoint);
        }
    } catch (...) {
        finishRolledBack();
        throw;
    }
    finishRolledBack();
}

void Transaction::finishRolledBack()
{
    m_onCommit.clear();
    runAll(m_onRollback);
}

Transaction *Transaction::current(const QSqlDatabase &db)
{
    return innermost().value(db.connectionName(), nullptr);
}

void Transaction::onCommit(std::function<void()> action)
{
    m_onCommit.push_back(std::move(action));
}

void Transaction::onRollback(std::function<void()> action)
{
    m_onRollback.push_back(std::move(action));
}
