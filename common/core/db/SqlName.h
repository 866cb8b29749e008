#pragma once

#include <QString>

// Quotes a table or column name for use in a statement ("name", inner quotes doubled). Names come
// from data definitions, never from free user text; values always travel as bound parameters.
QString SqlName(const QString &identifier);
