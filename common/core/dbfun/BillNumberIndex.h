#pragma once

#include <QSqlDatabase>

// Gives every bill header table (a p_tables row without MainTableName) a unique index on its
// RefNo, so that no path can store two bills with one number. Tables that already hold a
// number twice are left as they are.
void EnsureUniqueBillNumbers(const QSqlDatabase &db);
