#pragma once

#include <QString>

// The kind of a column as the screens need it. SQLite hands every value back by its storage
// class, so the kind is read from the declared type ("money", "datetime", "bit" ...).
enum class ColumnKind {
    None,       // no such column
    String,     // varchar(n), char(n)
    Memo,       // text
    Integer,    // int, integer, smallint ...
    Float,      // float, real, double
    Currency,   // money
    Decimal,    // decimal, numeric
    Date,       // date
    DateTime,   // datetime, timestamp
    Time,       // time
    Boolean,    // bit, boolean
    Blob,       // blob, image
    Other       // a declared type none of the above names (or none at all)
};

ColumnKind ColumnKindFromDeclaredType(const QString &declaredType);

// Integer, floating, currency and decimal columns.
bool IsNumericColumnKind(ColumnKind kind);
