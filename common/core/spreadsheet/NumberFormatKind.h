#pragma once

#include "core/spreadsheet/SheetCell.h"

// What a number shown through a number format stands for: Kind::Number, or Kind::Date,
// Kind::DateTime or Kind::Time when the format shows a date or time of day.

// A format code: date and time letters (y, m, d, h, s) count outside quotes, brackets and
// escapes; an m next to h or s means minutes.
SheetCell::Kind KindOfNumberFormat(const QString &formatCode);

// A format the file names only by its built-in number (14-22, 45-47 and the Chinese date and
// time formats 27-36, 50-58).
SheetCell::Kind KindOfBuiltInFormat(int id);
