#pragma once

#include <QSqlDatabase>
#include <QString>

// Releases what hangs on a bill that the caller is about to delete: bank rows linked to it lose
// the link, and its detail rows (table name + "明细", when that table exists) are deleted.
void DeleteNoteTable(const QSqlDatabase &db, const QString &table, const QString &refNo, qint64 id);
