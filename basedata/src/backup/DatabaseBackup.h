#pragma once

#include "core/archive/ArchiveResult.h"

#include <QString>

// Writes the database file as committed (read through SQLite under a read transaction, so a file
// that CurAdo holds open is taken without its uncommitted changes) into a new password archive at
// `archive`, streamed without a copy on the disk; a database in WAL mode goes through a copy
// made by SQLite itself. The archive is
// written under a temporary name and renamed over `archive` only when complete: a failure
// leaves any earlier file of that name as it was, except a failed flush of the folder after the
// rename (the new archive is there, unconfirmed, and the failure says so). Ok only when the
// archive was written and flushed.
ArchiveResult BackupDatabase(const QString &databaseFile, const QString &archive);
