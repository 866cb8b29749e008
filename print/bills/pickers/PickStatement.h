#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

struct Picker;

// The statement of a picker's list and its bound values.
struct PickStatement
{
    QString sql;
    QVariantList params;
};

// Every row of the picker's table that meets its condition.
PickStatement PickListStatement(const Picker &picker);

// The rows that also hold the trimmed search text (anywhere, letter case ignored) in one of the
// search fields; no search field gives no rows. The picker's own condition still holds, and the
// text travels as a bound value.
PickStatement PickSearchStatement(const Picker &picker, const QStringList &searchFields, const QString &searchText);
