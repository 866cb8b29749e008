#pragma once

#include "FaultScenario.h"

#include <QSqlDatabase>
#include <QString>

// CurAdo on the folder's database, as the program opens it (with the start's clean-up when
// `asAtStart`). Raises when it cannot be opened.
void OpenProgramDatabase(bool asAtStart);
void CloseProgramDatabase();

// The next start's clean-up, then every check: database intact, no detail row without its
// header, unique bill numbers, the scenario's own rules (its bills with all their lines), no
// stray file, and a bill can still be saved.
QString CheckFolder(const FaultScenario &scenario, const QString &folder, const QString &refs, const QString &reported);

// Every file below `folder`, relative, sorted.
QStringList FilesBelow(const QString &folder);

// Saves a bill of 出货单 with `lines` detail rows; returns what went wrong, or nothing.
QString SaveShipmentBill(const QString &customer, int lines);
