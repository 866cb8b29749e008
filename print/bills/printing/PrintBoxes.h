#pragma once

#include "core/money/Currency.h"

#include <QList>
#include <QString>

// One box of a row of equal boxes printed across a field: its left edge and width relative to
// the field, in picture pixels, and what stands in it.
struct PrintBox
{
    int x = 0;
    int width = 0;
    QString text;
};

// An amount one figure per box over `width`, fen in the rightmost box, "￥" left of the highest
// digit. A count of 0 means 11 boxes.
QList<PrintBox> DigitBoxes(Currency amount, int width, int count);

// A text one character per box from the left, boxes past its end empty. No boxes for a count
// below 1.
QList<PrintBox> SpacedBoxes(const QString &text, int width, int count);
