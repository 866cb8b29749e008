#pragma once

#include "core/archive/ArchiveResult.h"
#include "core/package/PackageImport.h"

#include <QSqlDatabase>
#include <QString>

// Template package files (".pnt"): a password archive holding one XML file named after the
// template.

// The password of the packages the designer and the main page make, the only one an import
// tries.
QString PackagePassword();
// What a package asked to have no password is enciphered with instead.
QString EmptyPasswordKey();

// Writes the package of the template `noteName` to `packageFile` with `password` (empty: the
// key above). The file is replaced as a whole, and only once the new one is complete; when the
// folder's flush after that fails, the result is a failure saying the file is there unconfirmed.
ArchiveResult GetXmlFileByNote(const QSqlDatabase &db, const QString &noteName, const QString &packageFile,
                               const QString &password);

struct PackageFileImport
{
    QString noteName; // the imported template; empty when nothing was imported
    QString failure;  // why the import failed and changed nothing; empty otherwise
};

// Imports the package file, or a plain package XML file. A file that is neither (also a package
// that the package password does not open) raises PackageFormatError, as does a package naming
// files or tables that may not be used; any other failure is reported in the result, with
// nothing changed.
PackageFileImport InputPackageFile(const QSqlDatabase &db, const QString &fileName,
                                   const PackageImportOptions &options);
