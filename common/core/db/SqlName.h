#pragma once

#include <QString>

// Quotes a table or column name for use in a statement ("name", inner quotes doubled). Names come
// from data definitions, never from free user text; values always travel as bound parameters.
QString SqlName(const QString &identifier);

// Whether a name may be defined for a table, a column or a check item: not empty, without
// surrounding blanks, quotes, brackets, back-ticks or control characters.
bool IsValidSqlName(const QString &name);
