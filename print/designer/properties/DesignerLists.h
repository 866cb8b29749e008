#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The lists the property panel and the field chooser offer, read from the database.
namespace DesignerLists {

// Columns of a data table ("" or a missing table: none).
QStringList TableColumns(const QSqlDatabase &db, const QString &table);
// Detail tables of a main table: what a grid may show.
QStringList DetailTables(const QSqlDatabase &db, const QString &mainTable);
QStringList PickerNames(const QSqlDatabase &db);
QStringList DropDownNames(const QSqlDatabase &db);
// How many columns the picker fills.
int PickerFieldCount(const QSqlDatabase &db, const QString &pickerName);
// The columns of a table definition a picker may fill: text, amounts and decimals, in order.
QStringList ChooserColumns(const QSqlDatabase &db, const QString &table);

} // namespace DesignerLists
