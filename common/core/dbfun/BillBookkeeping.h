#pragma once

#include <QString>

class DataSet;

// The leading columns every bill table has (id, NoteTypeName, NoteName, Refno, RefAutoid,
// printcount, Flag, dis, sel); letter case is ignored. Copies and imports set them themselves.
bool IsBillBookkeepingColumn(const QString &column);

// A copied or imported bill starts like a new one: Flag -1, dis 0, printcount 0, RefAutoid 0,
// each only where the data set has that column.
void SetNewBillState(DataSet &dataSet);
