#pragma once

#include <QSqlDatabase>

// What a crash, a kill or a full disk may leave behind, put right at the next start.

// Before the database opens: an interrupted restore is resolved. The database file is kept when
// it is intact, else the safety copy the restore made goes back in its place.
void ResolveInterruptedRestore();

// Once the database is open: files an interrupted import placed but never named are removed,
// and so are the temporary folders below "tmp" (copies of the database among them) and the
// hidden staging files of interrupted writes in the program's folders.
void RemoveLeftovers(const QSqlDatabase &db);
