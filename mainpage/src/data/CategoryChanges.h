#pragma once

#include <QSqlDatabase>
#include <QStringList>

// Changes the main page makes to bill categories through their icons.

// Makes the format's category the default of its bill kind: DefNote 1 on every format of the
// category, 0 on every other format of the kind.
void MarkDefaultCategory(const QSqlDatabase &db, qint64 refNo);

// What deleting an icon's category takes away: its formats, and how many bills were filled in
// with them (the bills stay).
struct CategoryDeletion
{
    QString category;
    QStringList formats;
    qint64 bills = 0;
};
CategoryDeletion CategoryDeletionOf(const QSqlDatabase &db, qint64 refNo);
// The question asked before an icon goes: on the favourites tab only the icon goes.
QString DeleteIconQuestion(const QSqlDatabase &db, int tabNo, qint64 refNo);

// Removes an icon. On the favourites tab (0) only the icon goes; on any other tab the icon's
// whole category goes with it: its formats, their fields and icons, and the format's picture
// when no remaining format uses it. All or nothing; false (and nothing changed) on a database
// error.
bool DeleteUiIcon(const QSqlDatabase &db, int tabNo, qint64 rowId, qint64 refNo);
