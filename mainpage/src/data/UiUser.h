#pragma once

#include <QSqlDatabase>
#include <QString>

// The user id the main page writes into its icon rows. No reader filters icons by user, so
// every row of the page carries the same one.
QString UiRowUser();

// The tab last shown to the logged-in user (Bs_User.LastTab), 0 when none is stored. Without a
// logged-in user the icon rows' user stands in.
int ReadLastTab(const QSqlDatabase &db);
void WriteLastTab(const QSqlDatabase &db, int tabNo);
