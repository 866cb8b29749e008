#pragma once

#include <QSqlDatabase>
#include <QString>

// Imports a template package (".pnt") or a zip of packages. For a package: the imported
// template's name, or empty (no message). For a zip: its packages are unpacked into "download"
// and imported one by one, and the user is told which were imported ("成功导入%d个单据:%s") or
// that none was ("没有需要导入的单据"); the result is then empty. A file that is no usable
// package raises "文件格式错误！" (in a zip this ends the import; packages imported before stay).
QString GetPrintNoteFromFile(const QSqlDatabase &db, const QString &fileName);
