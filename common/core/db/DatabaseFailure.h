#pragma once

#include <QSqlError>
#include <QString>

// The text shown for a statement the database refused: a full disk or a failing disk is named
// in words the user can act on, followed by the driver's own text.
QString DatabaseFailureText(const QSqlError &error);
