#include "login/LoginCheck.h"

#include "core/db/AdoFunc.h"
#include "core/db/DatabaseFailure.h"
#include "core/errors/CorvaneError.h"
#include "core/security/PasswordHash.h"

#include <QSqlError>
#include <QSqlQuery>

bool CheckLogin(const QSqlDatabase &db, const QString &typedUserId, const QString &typedPassword)
{
    if (!db.isValid() || !db.isOpen())
        throw DatabaseError(QStringLiteral("数据库连接未打开"));
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select autoid, Password from Bs_User where UserId = ?"));
    query.addBindValue(typedUserId.trimmed());
    if (!query.exec())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    while (query.next()) {
        const QString stored = query.value(1).toString();
        if (!PasswordHash::matches(typedPassword, stored))
            continue;
        if (!PasswordHash::isHash(stored)) {
            const QVariant autoid = query.value(0);
            query.finish();
            try {
                ExecTmpQuery(db, QStringLiteral("update Bs_User set Password = ? where autoid = ?"),
                             {PasswordHash::make(typedPassword), autoid});
            } catch (const DatabaseError &) {
                // A read-only database keeps the clear text; the user still logs in to read.
            }
        }
        return true;
    }
    return false;
}
