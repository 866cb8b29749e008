#pragma once

#include <QSqlDatabase>

// Empties the bill tables named in p_tables (with their 明细 tables) when `history` is set, else
// the base data (bs_complist, Bs_Customer, Bs_ProdList). Tables that were never created are
// skipped, and so is every program table a definition may name (IsProgramTable). All or
// nothing: one transaction, rolled back and re-raised on a failure.
void PurgeData(const QSqlDatabase &db, bool history);

// The menu command: asks first, purges, then reports completion.
void PurgeDataWithConfirmation(const QSqlDatabase &db, bool history);
