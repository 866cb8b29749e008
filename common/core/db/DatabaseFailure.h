#pragma once

#include <QSqlError>
#include <QString>

// The text shown for a statement the database refused: a full or failing disk, a read-only
// file and a database another program keeps locked are named in words the user can act on,
// followed by the driver's own text.
QString DatabaseFailureText(const QSqlError &error);
