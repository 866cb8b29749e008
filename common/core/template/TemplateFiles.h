#pragma once

#include <QSqlDatabase>
#include <QString>

// The files a template names: its picture (ImgFile, in "images") and its icon (smallpic, in
// "icons"). Stored names may come from a package, so a name that could leave its folder names
// no file at all.
enum class TemplateFileKind { Picture, Icon };

QString TemplateFileFolder(TemplateFileKind kind);  // the folder's path, ending in '/'

// The path of a stored name in its folder; empty when the name is empty or not a plain file name.
QString TemplateFilePath(TemplateFileKind kind, const QString &storedName);

// Whether a template other than `exceptRefNo` names the file.
bool TemplateFileInUse(const QSqlDatabase &db, TemplateFileKind kind, const QString &fileName,
                       const QString &exceptRefNo = QString());

// Deletes the file of a stored name once no template but `exceptRefNo` names it (a copy shares
// its source's picture until it gets its own). Call it after the rows that named it are gone.
void RemoveTemplateFileWhenUnused(const QSqlDatabase &db, TemplateFileKind kind, const QString &storedName,
                                  const QString &exceptRefNo = QString());
