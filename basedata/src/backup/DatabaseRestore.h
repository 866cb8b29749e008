#pragma once

#include <QSqlDatabase>
#include <QString>

struct RestoreResult
{
    enum Outcome {
        Restored,       // the archive's database is in place and the connection open on it
        ArchiveRefused, // not a backup of this program: nothing was touched
        SchemaDiffers,  // its tables or columns do not fit this version (the reason names them):
                        // nothing was touched
        NotReplaced,    // the files could not be swapped: the earlier database is back in place
        DatabaseInUse,  // another running program has the database open: nothing was touched
    };
    Outcome outcome = ArchiveRefused;
    QString reason;
};

// Puts the database of a backup archive in place of the program's database file, closing and
// reopening `connection` (CurAdo) around the swap. The archive is checked first (password,
// exactly one entry, an intact database whose tables and columns fit this version) and
// extracted into "tmp/"; the current file is kept aside until the restored one has opened, and
// put back otherwise. Refused while another running program has the database open
// (DatabaseUseLock).
RestoreResult RestoreDatabase(const QString &archive, QSqlDatabase &connection);
