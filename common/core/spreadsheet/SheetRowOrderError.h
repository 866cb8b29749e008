#pragma once

#include "core/spreadsheet/SpreadsheetError.h"

// A sheet whose file stores a cell in a row that was already handed over (rows out of order):
// it cannot be read row by row, only whole. To a caller that does not read it again it is a
// damaged file.
class SheetRowOrderError : public SpreadsheetError
{
public:
    SheetRowOrderError() : SpreadsheetError(damaged()) {}
};
