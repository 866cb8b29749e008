#pragma once

class DataSet;

// The defaults and checks of the bill-kind list (s_PrintType) on the editor's data set.

// A new row proposes the next screen number and no sub-tables.
void SetPrintTypeDefaults(DataSet &kinds);

// Whether the row being edited may be written: its name is not empty, not taken, and not
// changed while templates still name the kind. Tells the user why not.
bool PrintTypeRowAllowed(const DataSet &kinds);

// Whether the current kind may be deleted; tells the user why not.
bool PrintTypeDeleteAllowed(const DataSet &kinds);
