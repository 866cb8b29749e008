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

// What an archive may unpack to; checked on the entries' stated sizes before anything is
// written (and held to while extracting), together with the free space of the destination.
struct ArchiveLimits
{
    qint64 maxTotalSize = qint64(4) << 30;   // all entries together, uncompressed
    qint64 maxRatio = 200;                   // uncompressed : compressed, for entries over 1 MiB
};

// Extracts every entry into `folder` (created when missing).
ArchiveResult UnZipFiles(const QString &archive, const QString &folder, const QString &password,
                         const ArchiveLimits &limits = {});

// Like UnZipFiles; `names` also receives the extracted names joined by ";".
ArchiveResult UnZipFiles2(const QString &archive, const QString &folder, const QString &password, QString &names);

// Extracts the first file entry only.
ArchiveResult UnZipFirstFiles(const QString &archive, const QString &folder, const QString &password);

// Writes a new archive of `files` in place of `target` (created or replaced as a whole): built
// beside the target, flushed to the disk, read back and compared with the files (names, sizes,
// CRC), and only then renamed over the target. On any failure the target is as it was and no
// file is left beside it, except when the flush of the folder after the rename fails: then the
// new archive is in place but unconfirmed, and the failure says so, ending with `again`.
ArchiveResult WriteArchiveOver(const QStringList &files, const QString &target, const QString &password,
                               const QString &again = QStringLiteral("请再保存一次"));

// Reads every entry of the archive through and compares it with the files it must hold.
ArchiveResult VerifyArchive(const QString &archive, const QString &password, const QStringList &files);
