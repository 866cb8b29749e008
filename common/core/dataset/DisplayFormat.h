#pragma once

#include "core/dataset/FieldKind.h"

#include <QString>
#include <QVariant>

// The text a field shows for a memory value under a display format.
// Numbers: a picture of '0' (digit always shown), '#' (digit when needed), '.' and ','
// (thousands), other characters literal; "0.00" gives two decimals, and a picture without any
// digit placeholder such as "****" shows itself in place of the value. Dates and date-times:
// a Qt date format. Yes/no: "yes text;no text". NULL shows as the empty text. Without a format,
// amounts show two decimals and dates ISO text.
QString formatDisplay(FieldKind kind, const QVariant &value, const QString &format);
