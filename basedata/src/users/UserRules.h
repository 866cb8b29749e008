#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// The refusal of a Bs_User row about to be written, or empty text: the user id is required
// and names one account (letter case ignored, as at login). It is stored without blanks around
// it, since the login looks the typed id up without them.
QString UserRowFault(const QSqlDatabase &db, DataSet &row);

// Why the account may not be deleted, or empty text: nobody deletes the account they are
// logged in with, nor the last account (no one could log in any more).
QString UserDeleteFault(const QSqlDatabase &db, const QString &userId, const QString &loggedInUserId);

// Whether two user ids name the same account.
bool SameUserId(const QString &a, const QString &b);
