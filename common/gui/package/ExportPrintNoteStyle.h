#pragma once

#include <QSqlDatabase>
#include <QString>

class QWidget;

// Writes the package of the template `noteName`. Not silent: the user picks the file (under
// "upload"), is told "生成成功!" or "生成失败!", and the folder of a new package is shown.
// Silent: the file is "upload/<noteName>.pnt" and nothing is shown. Returns the package file, or
// empty when none was written.
QString ExportPrintNoteStyle(const QSqlDatabase &db, QWidget *owner, const QString &noteName,
                             const QString &password, bool silent);
