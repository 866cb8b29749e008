#pragma once

#include <QString>
#include <QStringList>

// What the digit-cell controls of the bill form show, without the controls.

// The cell texts of a spaced-string row of `cells` cells, in the order the label takes them
// (from the rightmost cell leftwards): the text stands right-aligned, one character per cell;
// an empty text gives one blank cell; a text longer than the cells keeps all its characters.
QStringList SpacedStringSymbols(const QString &text, int cells);

// The look of an amount box of `cells` cells with `decimals` decimals for a value.
struct AmountBoxLook
{
    bool overflow = false;    // the integer part does not fit: the box turns red
    bool showSymbol = false;  // a cell is left for the currency symbol
};
AmountBoxLook AmountBoxLookFor(double value, int cells, int decimals);
