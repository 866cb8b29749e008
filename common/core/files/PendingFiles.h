#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Files placed before the database work that names them is committed (pictures of an import),
// and files that work may leave unnamed (the pictures it replaces). Each is noted on disk before
// it is touched, so that after a crash the next start removes every noted file no row names.
namespace PendingFiles {

// Notes a file (path relative to the program folder). Returns the reason of a failure.
QString note(const QString &relativePath);
// Removes the noted files no row names, then the note itself.
void settle(const QSqlDatabase &db);
// True when a template row names the file ("images/x.jpg": ImgFile, "icons/x.jpg": smallpic).
bool isNamed(const QSqlDatabase &db, const QString &relativePath);

}
