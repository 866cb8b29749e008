#pragma once

// Conversions of one field value between what the database stores, what a data set holds in
// memory and what callers assign. In memory a value is NULL (an invalid QVariant) or:
// Text QString, Integer qint64, Float double, Currency Currency, Date QDate, DateTime
// QDateTime, Boolean bool, Blob QByteArray.

#include "core/dataset/FieldKind.h"

#include <QVariant>

#include <optional>

// A value as the driver read it, in its kind's memory form.
QVariant fieldValueFromStored(FieldKind kind, const QVariant &stored);
// A memory value as it is bound into a statement: amounts as numbers, dates as ISO text,
// yes/no as 0 or 1.
QVariant fieldValueToStored(FieldKind kind, const QVariant &value);
// An assigned value (text typed by a user, a number, a date ...) in the kind's memory form;
// empty text is NULL for every kind but Text. No value when it cannot be converted.
std::optional<QVariant> fieldValueFromInput(FieldKind kind, const QVariant &input);
// The plain text of a memory value (NULL is the empty text).
QString fieldValueText(FieldKind kind, const QVariant &value);
// Orders two memory values of one kind; NULL comes first. Text compares without regard to case.
int compareFieldValues(FieldKind kind, const QVariant &a, const QVariant &b);
