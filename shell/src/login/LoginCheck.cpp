#include "login/LoginCheck.h"

#include "core/db/AdoFunc.h"
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
        throw DatabaseError(query.lastError().text());
    while (query.next()) {
        const QString stored = query.value(1).toString();
        if (!PasswordHash::matches(typedPassword, stored))
            continue;
        if (!PasswordHash::isHash(stored)) {
            ExecTmpQuery(db, QStringLiteral("update Bs_User set Password = ? where autoid = ?"),
                         {PasswordHash::make(typedPassword), query.value(0)});
        }
        return true;
    }
    return false;
}
