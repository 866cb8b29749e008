#pragma once

#include <QSqlDatabase>
#include <QString>

// True when a Bs_User row has the user id (blanks around it ignored, letter case ignored) and the
// password. A row that still holds a clear-text password is rewritten as a hash on success.
// Raises DatabaseError when there is no connection or the table cannot be read.
bool CheckLogin(const QSqlDatabase &db, const QString &typedUserId, const QString &typedPassword);
