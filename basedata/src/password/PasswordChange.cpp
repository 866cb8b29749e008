#include "password/PasswordChange.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/security/PasswordHash.h"

#include <optional>

namespace {

bool oldPasswordMatches(const QString &typed, const QString &stored)
{
    return PasswordHash::matches(typed.trimmed(), stored) || PasswordHash::matches(typed, stored);
}

// The row whose password the old password opens; a user without a row has none, and an empty
// old password still passes the check (the change then fails).
bool acceptsOldPassword(const QSqlDatabase &db, const QString &userId, const QString &oldPassword,
                        std::optional<qint64> &row)
{
    QSqlQuery users = RunStatement(db, QStringLiteral("select autoid, Password from Bs_User where UserId = ?"),
                                   {userId.trimmed()});
    bool any = false;
    while (users.next()) {
        any = true;
        if (oldPasswordMatches(oldPassword, users.value(1).toString())) {
            row = users.value(0).toLongLong();
            return true;
        }
    }
    return !any && oldPasswordMatches(oldPassword, QString());
}

} // namespace

PasswordChangeResult ChangePassword(const QSqlDatabase &db, const QString &userId, const QString &oldPassword,
                                    const QString &newPassword, const QString &confirmation)
{
    try {
        std::optional<qint64> row;
        if (!acceptsOldPassword(db, userId, oldPassword, row))
            return PasswordChangeResult::WrongOldPassword;
        // The same comparison a login makes between a typed and a clear-text password.
        if (!PasswordHash::matches(confirmation, newPassword))
            return PasswordChangeResult::ConfirmationDiffers;
        if (!row)
            return PasswordChangeResult::Failed;
        QSqlQuery update = RunStatement(db, QStringLiteral("update Bs_User set Password = ? where autoid = ?"),
                                        {PasswordHash::make(newPassword), *row});
        return update.numRowsAffected() == 1 ? PasswordChangeResult::Changed : PasswordChangeResult::Failed;
    } catch (const DatabaseError &) {
        return PasswordChangeResult::Failed;
    }
}
