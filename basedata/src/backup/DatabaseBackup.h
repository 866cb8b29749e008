#pragma once

#include "core/archive/ArchiveResult.h"

#include <QString>

// Writes a consistent copy of the database file (made by SQLite itself, so a file that CurAdo
// holds open is copied as committed) into a new password archive at `archive`. The archive is
// written under a temporary name and renamed over `archive` only when complete: a failure
// leaves any earlier file of that name as it was. Ok only when the archive was written.
ArchiveResult BackupDatabase(const QString &databaseFile, const QString &archive);
