#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// Rules of the bill-kind list (s_PrintType). Templates name their kind by PrintName, so a kind
// that templates still name keeps its name and its row: otherwise their data-table look-ups
// would find nothing.

// The screen number proposed for a new kind: one above the highest in use, 1 for an empty list.
qint64 NewPrintTypePageNo(const QSqlDatabase &db);

// Whether a template names the kind (letter case ignored, as the look-ups do).
bool PrintTypeInUse(const QSqlDatabase &db, const QString &printName);

// Why a kind row may not be stored under `newName`, or empty text when it may. `id` is the
// row's id, NULL for a new row.
QString PrintTypeStoreFault(const QSqlDatabase &db, const QVariant &id, const QString &newName);

// Why a kind may not be deleted, or empty text when it may.
QString PrintTypeDeleteFault(const QSqlDatabase &db, const QString &printName);
