#pragma once

#include "core/spreadsheet/SheetCell.h"

#include <optional>

// Spreadsheet dates are day counts with the time of day as the fraction. In the 1900 system
// day 1 is 1900-01-01 and day 60 is the 29 February 1900 that never was; in the 1904 system
// day 0 is 1904-01-01.
enum class DateSystem { From1900, From1904 };

// The date, date-time or time cell for a serial value; nothing for a value outside the years
// 1900 (1904) to 9999.
std::optional<SheetCell> CellFromSerial(double serial, SheetCell::Kind kind, DateSystem system);

// The 1900-system serial of a date cell; nothing for dates before 1900-01-01 or after 9999.
std::optional<double> SerialFromCell(const SheetCell &cell);
