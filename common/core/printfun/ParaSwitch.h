#pragma once

#include <QSqlDatabase>
#include <QString>

// The on/off switches of bs_ParaList: on exactly when the trimmed value is 是; a missing row is
// off. The table is read at every call, so a changed setting counts at once.
bool ParaSwitchIsOn(const QSqlDatabase &db, const QString &paraName);

bool CheckCheckNoWhenPrint(const QSqlDatabase &db);
bool AlwaysSelectPrinter(const QSqlDatabase &db);
bool EnterSysNeedLogin(const QSqlDatabase &db);
