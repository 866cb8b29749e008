#pragma once

#include <QString>

class DataField;
class DataSet;

// The derived-column fill of a bill form on a change of one field (see BillFieldFill); the
// field's options are read from the table's definition at every call. Nothing for an absent
// field (a record move) or while FieldChange is false.
void TableFieldChange(DataSet &dataSet, const QString &table, DataField *changed);
