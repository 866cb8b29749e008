#pragma once

#include <QString>

// Reads the database file through a connection of its own, apart from CurAdo and the data
// sets under test. Rows are joined by newlines, their columns by "|".
QString StoredRows(const QString &databasePath, const QString &sql);
