#pragma once

#include <QSqlDatabase>

#include <functional>

// One scope of work on a connection that is kept all or nothing. The outermost scope on a
// connection begins and commits the transaction; a scope opened inside another one becomes a
// savepoint, so an inner failure can be undone without ending the outer work. A scope that is
// left without commit() rolls back.
//
// onCommit() actions run when the work is really kept, i.e. when the outermost scope commits;
// onRollback() actions run as soon as the work they belong to is undone. Data sets use them to
// keep their cached changes until the database has the rows for good.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase &db);
    Transaction();  // on CurAdo
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();

    // The innermost open scope on the connection, if any.
    static Transaction *current(const QSqlDatabase &db);

    void onCommit(std::function<void()> action);
    void onRollback(std::function<void()> action);

private:
    void run(const QString &statement);
    void finishRolledBack();

    QSqlDatabase m_db;
    Transaction *m_parent = nullptr;
    bool m_ownsTransaction = false;  // began with BEGIN (else a savepoint)
    bool m_open = true;
    QString m_savepoint;
    std::vector<std::function<void()>> m_onCommit;
    std::vector<std::function<void()>> m_onRollback;
};
