#pragma once

#include <QSqlDatabase>
#include <QString>

enum class PasswordChangeResult { Changed, WrongOldPassword, ConfirmationDiffers, Failed };

// Changes the password of the user's Bs_User row (user id found as the login finds it: blanks
// around it and letter case ignored). The old password may be typed with blanks around it; the
// new one and its confirmation compare without regard to ASCII letter case, as logins do. The
// new password, as typed, is stored as a salted hash.
PasswordChangeResult ChangePassword(const QSqlDatabase &db, const QString &userId, const QString &oldPassword,
                                    const QString &newPassword, const QString &confirmation);
