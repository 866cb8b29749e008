#pragma once

// Turns a table definition into the bill data table: fixed leading bookkeeping columns, one
// column per defined field and the derived columns that bank forms print in separate boxes.

#include "core/dbfun/TableFieldDef.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// One column to add: its name and declared type.
struct DdlColumn
{
    QString name;
    QString sqlType;
};

// The declared type of a field type with length `len`; nothing for a name outside the nine
// field types (the name is trimmed; empty means 字符型).
std::optional<QString> GetFieldSqlType(const QString &fieldType, int len);

// The column definition ("name" type) of a field; empty for an unknown field type.
QString GetFieldSqlDef(const QString &column, const QString &fieldType, int len);

// The field's own column followed by its derived columns, in the order they are added: small
// amount places, split characters, whole capital amount, 12 capital places, 8 capital places,
// small date parts, whole capital date, capital date parts, check items. Nothing when the
// field type is unknown.
QList<DdlColumn> ColumnsOfField(const TableFieldDef &def);

// Longest text a field may declare, and most characters a split string may spread over
// columns of their own (one column each).
constexpr int kMaxFieldLength = 8000;
constexpr int kMaxSplitLength = 100;

// Why the definition cannot make a bill table, in words for the user: a name (table, field or
// check item) that may not be defined, a program table's name, an unknown field type, a length
// out of range, a field named like a bookkeeping column, or two columns (fields or the columns
// they make) of one name. Nothing when the definition is sound.
std::optional<QString> DefinitionFault(const QString &table, const QList<TableFieldDef> &defs);

// Adds the column, or (with update and an existing column) gives it the new type; an unchanged
// type leaves the table as it is.
void AddOrAlterColumn(const QSqlDatabase &db, const QString &table, const QString &column, const QString &sqlType, bool update);

enum class BillTableOutcome { Done, AlreadyExists, Missing, Failed };

struct BillTableResult
{
    BillTableOutcome outcome = BillTableOutcome::Failed;
    QString error; // why it failed
};

// Creates (update false) or brings up to date (update true) the data table from `defs`, or from
// its saved definition when `defs` is absent. Creating an existing table or updating a missing
// one changes nothing. Everything happens in one transaction: a failure leaves the schema as it
// was.
BillTableResult BuildBillTable(const QSqlDatabase &db, const QString &table, bool update,
                               const std::optional<QList<TableFieldDef>> &defs = std::nullopt);
