#pragma once

#include <QMetaType>
#include <QString>

// What a column holds, decided from its declared type: SQLite keeps money, datetime and bit
// columns as plain numbers or text, so the declaration is the only place that tells them apart.
enum class FieldKind {
    Text,
    Integer,
    Float,
    Currency,
    Date,
    DateTime,
    Boolean,
    Blob,
};

// The kind of a declared column type such as "money", "varchar(30)", "datetime" or "bit".
// An empty declaration (an expression column) yields Text; callers that see the values may
// do better with fieldKindFromValueType.
FieldKind fieldKindFromDeclaredType(const QString &declaredType);
// The kind of an undeclared value as the driver delivers it.
FieldKind fieldKindFromValueType(QMetaType type);

bool isNumericKind(FieldKind kind);
