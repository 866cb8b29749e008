#pragma once

#include <QSqlDatabase>
#include <QString>

// How a backup's database compares with what this version needs (its built-in schema).
struct BackupSchemaFit
{
    enum Outcome {
        Fits,       // every table and column the program uses is there; additions are harmless
        NotOurs,    // most of the program's tables are missing: no database of this program
        Differs,    // a table or column is missing, or an added column would refuse every insert
    };
    Outcome outcome = Fits;
    QString reason; // what differs, in words for the user
};

// Compares the database open on `backup` with the built-in schema: a program table, or a column
// the program uses, that is missing, and a column of a table the program writes (its own, the
// backup's bill tables) that is NOT NULL without a default where this version's schema has none,
// are differences; extra tables and columns are not.
BackupSchemaFit CheckBackupSchema(const QSqlDatabase &backup);
