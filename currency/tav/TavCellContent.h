#pragma once

#include "tav/TavCurrencyStyle.h"

#include <QString>
#include <QStringList>

// What stands in each cell: one character per cell (or a place name for a header row), and
// the cell of the currency symbol.
struct TavCellContent
{
    QStringList Cells;   // one entry per cell, empty where nothing is written
    int SymbolCell = -1; // -1: no symbol

    // An amount as the currency controls show it. `blankZero` empties a zero amount (an
    // unfocused edit, or the print routine, with ZeroEmpty).
    static TavCellContent ForAmount(const TavCurrencyStyle &style, long double magnitude, int sign,
                                    bool blankZero);
    // The header row: `digital` names the integer cells from the units cell leftwards,
    // `decimal` the decimal cells from the left.
    static TavCellContent ForPlaceNames(int cells, int decimals, const QStringList &digital,
                                        const QStringList &decimal);

    // The amount with `decimals` places ("0.00"), rounded to nearest, ties to even.
    static QString Format(long double value, int decimals);
    // The number a cell text stands for; an empty text or a bare point part counts as 0.
    static long double Parse(const QString &text);
};
