#pragma once

#include "core/archive/ArchiveResult.h"

#include <QString>

// Writes a consistent copy of the database file (made by SQLite itself, so a file that CurAdo
// holds open is copied as committed) into a new password archive at `archive`. The archive is
// written under a temporary name and renamed over `archive` only when complete: a failure
// leaves any earlier file of that name as it was, except a failed flush of the folder after the
// rename (the new archive is there, unconfirmed, and the failure says so). Ok only when the
// archive was written and flushed.
ArchiveResult BackupDatabase(const QString &databaseFile, const QString &archive);
