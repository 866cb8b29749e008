#pragma once

#include <QList>
#include <QSqlDatabase>

class DataSet;

// Writes one bill: the pending rows of every detail set, then the header, in one transaction.
// A new detail line nothing was typed into is dropped. False when a check refused a row (the check shows its own message; nothing is written).
// A database failure raises DatabaseError after everything was rolled back: the header stays
// in edit and the detail rows stay pending, with what the user typed.
bool SaveBill(const QSqlDatabase &db, DataSet &header, const QList<DataSet *> &details);
