#pragma once

#include "core/package/PackageTemplate.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>

struct PackageImportOptions
{
    QString userId; // who brought in the definitions of new data tables
    // Asked when a template of the package's name exists; false keeps everything as it is.
    std::function<bool(const QString &noteName)> confirmReplace;
};

// Puts a package's template into the database: its row (numbered anew, or keeping the number of
// the template it replaces), its fields, its picture ("images/<imgName>.jpg", replacing) and icon
// ("icons/<img2Name>.bmp", only when missing), its main-page icon, and the data tables it names
// that do not exist yet, created with their definitions. Existing tables stay as they are.
//
// Every name is checked before anything changes: a file name that could leave its folder, a
// table or column name that may not be defined, or a picture that is no complete, loadable JPEG
// of at most 2 m of paper a side (the reason follows "文件格式错误！"), raises PackageFormatError.
// Fields that could never be seen are brought onto the page (FieldBroughtOntoPage: the
// picture's size, else the blank page). The rest is all or
// nothing: on any failure (raised) the database and the picture files are as they were.
// Returns the template name, or the empty text when replacing was declined.
QString ImportPackage(const QSqlDatabase &db, const PackageTemplate &package, const PackageImportOptions &options);
