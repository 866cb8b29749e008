#pragma once

#include "core/archive/ArchiveResult.h"

#include <QString>
#include <QStringList>

// Zip archives with a password (traditional zip encryption, so any unzip tool reads them),
// deflate level 9, entries named by the file name alone, in GBK.
//
// Extraction writes each entry to a temporary file in the destination folder, checks its CRC
// and size, and renames the files into place only when every entry was read intact: a wrong
// password or a damaged archive leaves every existing file untouched.

// Adds the files matching `filePattern` (a folder and a file pattern, e.g. "/x/tmp/*.*") to the
// archive, creating it or replacing entries of the same name.
ArchiveResult ZipFiles(const QString &filePattern, const QString &archive, const QString &password);

// Adds every listed file to the archive, creating it or replacing entries of the same name.
ArchiveResult ZipFileLists(const QStringList &files, const QString &archive, const QString &password);

// Extracts every entry into `folder` (created when missing).
ArchiveResult UnZipFiles(const QString &archive, const QString &folder, const QString &password);

// Like UnZipFiles; `names` also receives the extracted names joined by ";".
ArchiveResult UnZipFiles2(const QString &archive, const QString &folder, const QString &password, QString &names);

// Extracts the first file entry only.
ArchiveResult UnZipFirstFiles(const QString &archive, const QString &folder, const QString &password);
