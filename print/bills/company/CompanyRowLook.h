#pragma once

#include <QColor>

// How a row of the company list is drawn: own entries in red, every other row (the first, the
// third, ...) on a light cream ground. An invalid colour keeps the grid's own.
struct CompanyRowLook
{
    QColor text;
    QColor background;
};

// row counts from 0.
CompanyRowLook CompanyRowLookOf(bool ownEntry, int row);
