#pragma once

#include <QList>
#include <QSqlDatabase>

class QWidget;

// Template packages made and read from the main page's icons.

// Exports the format's package to a file the user picks under "upload".
void ExportOneFormat(const QSqlDatabase &db, QWidget *owner, qint64 refNo);

// Exports the packages of the formats into "upload" and puts them together in one plain zip the
// user names. The zip is replaced only once the new one is complete.
void ExportFormatsMerged(const QSqlDatabase &db, QWidget *owner, const QList<qint64> &refNos);

// Exports each format's package into a folder the user picks, named kind_name_yyyymmdd.pnt;
// stops at the first failure and tells how many were written.
void ExportFormatsToFolder(const QSqlDatabase &db, const QList<qint64> &refNos);

// Imports a package or a zip of packages the user picks.
void ImportFormats(const QSqlDatabase &db);
