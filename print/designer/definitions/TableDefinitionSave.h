#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class DataSet;
struct TableFieldDef;

// The field rows of the field list as definitions, in list order.
QList<TableFieldDef> FieldDefsOfRows(const DataSet &fields);

// The first table name, field name, check item or field type that a data table could not be
// built from; nothing when the definition on screen is sound.
std::optional<QString> TableDefinitionFault(const DataSet &table, const DataSet &fields);

// Writes one table's definition: the field rows are numbered 1, 2, 3 ... in list order, the
// table row is posted and both lists' pending changes are written, all in one transaction. A
// failure raises and rolls everything back; the pending changes stay in both lists.
void SaveTableDefinition(const QSqlDatabase &db, DataSet &table, DataSet &fields);
